#pragma once
// The profile's UTF-8 texts as Qt strings.

#include <QString>

namespace rk {

inline QString Tr(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace rk
