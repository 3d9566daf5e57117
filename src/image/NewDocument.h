#pragma once
// The image of a new document, shared by New and by clearing channels.

#include "RadioImage.h"

namespace rk {

// Every record zero but squelch level 3, both scan groups empty, time limit
// 5.0 minutes, settingsByte1 15.
RadioImage NewDocumentImage();

}  // namespace rk
