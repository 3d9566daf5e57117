#pragma once
#include "ModelProfile.h"

const rk::ModelProfile& Rk7400Profile();
