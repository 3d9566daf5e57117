#pragma once
#include "ModelRules.h"

const rk::ModelRules& Rk7400Rules();
