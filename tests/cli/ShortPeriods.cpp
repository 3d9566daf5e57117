// The tests' rkradio runs on the periods of the other tests on a
// pseudo-terminal radio; the user's rkradio links TransferPeriodChoice.cpp.

#include "LinkRecord.h"
#include "TransferPeriodChoice.h"

namespace rk::cli {

TransferPeriods CliTransferPeriods() { return test::kTestPeriods; }

}  // namespace rk::cli
