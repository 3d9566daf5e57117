#pragma once
// What a program's command line asks for: [--lang <code>] [image-file], in
// either order; "--lang=<code>" works too; or --help, or --version.
// QApplication has already taken out the platform's own options.

#include <QString>
#include <QStringList>

namespace rk {

struct CommandLine {
    QString language;   // empty when not given
    QStringList files;  // everything else, in order
    bool help = false;
    bool version = false;
};

// The usage: options and the file argument, in English.
QString Usage(const QString& program, const QStringList& languageCodes);

// `arguments` without the program's own name.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace rk
