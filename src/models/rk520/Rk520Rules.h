#pragma once
#include "ModelRules.h"

const rk::ModelRules& Rk520Rules();
