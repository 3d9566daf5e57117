#pragma once
// The commands of rkradio: what each takes, its help and what runs it.

#include <QString>
#include <vector>

#include "Arguments.h"

namespace rk::cli {

struct Command {
    const char* name;
    const char* summary;  // one line for the program's help
    const char* help;     // the command's own help, usage line first
    std::vector<Option> options;
    int minOperands;
    int maxOperands;
    int (*run)(const Arguments& args);
};

const std::vector<Command>& Commands();

// The program's help, and the commands' runners, one file per group of them.
QString ProgramHelp();
int RunRead(const Arguments& args);
int RunWrite(const Arguments& args);
// write --series (SeriesCommand.cpp).
int RunWriteSeries(const Arguments& args);
int RunVerify(const Arguments& args);
int RunPorts(const Arguments& args);
int RunCheck(const Arguments& args);
int RunNew(const Arguments& args);
int RunShow(const Arguments& args);
int RunDiff(const Arguments& args);
int RunExport(const Arguments& args);
int RunImport(const Arguments& args);
int RunBackups(const Arguments& args);

// A usage error of `command`: the message and a pointer to its help.
int UsageError(const QString& command, const QString& message);

}  // namespace rk::cli
