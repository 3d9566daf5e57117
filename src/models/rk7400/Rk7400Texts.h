#pragma once
#include "ModelTexts.h"

// What the rk7400 programs and rkradio say about the check, the transfer and
// the fields it reports, in the model's own language.
const rk::ModelTexts& Rk7400Texts();
