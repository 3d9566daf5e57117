#pragma once
// The squelch code tables as list entries.

#include <QStringList>

namespace rk {

const QStringList& ToneEntries();  // "67" .. "250.3"
const QStringList& DcsEntries();   // "023N" .. "754I"

}  // namespace rk
