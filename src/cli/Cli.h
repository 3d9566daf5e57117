#pragma once
// What every command of rkradio shares: exit codes and the two output
// streams. Errors go to stderr, one line each, starting with "rkradio: ".

#include <QString>

namespace rk::cli {

enum ExitCode : int {
    kSuccess = 0,
    kFailed = 1,      // check failed, images differ, a table was refused
    kUsage = 2,
    kFileError = 3,   // a file could not be read or written
    kRadioError = 4,  // the radio or the port failed
};

// A line on stdout.
void Print(const QString& line);
// "rkradio: " and the text on stderr.
void Error(const QString& text);
// Text on stderr as it is, for progress that rewrites its line.
void ErrorText(const QString& text);

}  // namespace rk::cli
