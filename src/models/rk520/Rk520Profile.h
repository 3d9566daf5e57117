#pragma once
#include "ModelProfile.h"

const rk::ModelProfile& Rk520Profile();
