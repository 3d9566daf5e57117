#pragma once
// The programs' window icon: the model's artwork, the same SVG that the
// desktop menu shows, built into the program as :/icons/<program>.svg.

#include <QIcon>
#include <QString>

namespace rk {

// Null when the program carries no artwork under that name.
QIcon ProgramIcon(const QString& programName);

}  // namespace rk
