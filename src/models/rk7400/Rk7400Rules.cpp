#include "Rk7400Rules.h"

namespace {

const rk::ModelRules kRules{
    .programName = "rk7400",
    .extension = ".zu1",
    .validation =
        {
            .highestBandEdge = 40'000'000,
            .greatestSplit = 2'000'000,
        },
    .searchesPorts = true,
    .acceptsDecimalComma = true,
};

}  // namespace

const rk::ModelRules& Rk7400Rules() { return kRules; }
