#pragma once
// The periods rkradio's transfers run on. rkradio itself always takes the
// protocol's own (TransferPeriodChoice.cpp); the tests' build of it links a
// file of its own that gives shorter ones, so nothing a user runs can change
// them.

#include "CloneLink.h"

namespace rk::cli {

TransferPeriods CliTransferPeriods();

}  // namespace rk::cli
