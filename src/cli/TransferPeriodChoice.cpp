#include "TransferPeriodChoice.h"

namespace rk::cli {

TransferPeriods CliTransferPeriods() { return {}; }

}  // namespace rk::cli
