#pragma once
// The programs' window icon: a handheld radio.

#include <QIcon>

namespace rk {

QIcon ProgramIcon();

}  // namespace rk
