#pragma once
// Times a series of writes on the radio simulator: radio after radio on one
// COM name, each with its backup and read-back.

#include "CloneLink.h"
#include "RadioSimulator.h"

// Three radios, each given `image`; 0 when each took its schedule within 1%
// and was verified.
int BenchSeries(rk::CloneLink& link, rk::test::RadioSimulator& radio, const rk::ModelRules& rules,
                const rk::RadioImage& image, double scheduleMs);
