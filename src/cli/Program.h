#pragma once
// rkradio's entry: the program's own options, then one command.

#include <QStringList>

namespace rk::cli {

// The words after the program's name; returns the exit status.
int Run(const QStringList& words);

}  // namespace rk::cli
