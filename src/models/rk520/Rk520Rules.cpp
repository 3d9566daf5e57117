#include "Rk520Rules.h"

namespace {

const rk::ModelRules kRules{
    .programName = "rk520",
    .extension = ".rkd",
    .validation =
        {
            .highestBandEdge = 48'000'000,
            .greatestSplit = 1'000'000,
        },
    .searchesPorts = false,
    .acceptsDecimalComma = false,
};

}  // namespace

const rk::ModelRules& Rk520Rules() { return kRules; }
