#pragma once
#include "ModelRules.h"
#include "ReportTexts.h"

const rk::ModelRules& Rk7400Rules();
// The names the transfer's reports give channels, fields and values.
const rk::ReportTexts& Rk7400ReportTexts();
