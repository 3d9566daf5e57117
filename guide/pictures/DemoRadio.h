#pragma once
// The radio the guide's pictures show: a handful of channels as a user would
// program them, band 400-420 MHz, both scan groups in use.

#include "RadioImage.h"

namespace rk::guide {

RadioImage DemoRadio();

}  // namespace rk::guide
