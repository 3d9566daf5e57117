// The tests' rkradio runs on the periods of the other tests on a
// pseudo-terminal radio; the user's rkradio links TransferPeriodChoice.cpp.
// A test that times what follows a write block may give the block longer on
// the line through RK_TEST_WRITE_BLOCK_MS.

#include <QtGlobal>

#include "LinkRecord.h"
#include "TransferPeriodChoice.h"

namespace rk::cli {

TransferPeriods CliTransferPeriods() {
    TransferPeriods periods = test::kTestPeriods;
    bool given = false;
    const int writeBlockMs = qEnvironmentVariableIntValue("RK_TEST_WRITE_BLOCK_MS", &given);
    if (given && writeBlockMs > 0) periods.writeBlockMs = writeBlockMs;
    return periods;
}

}  // namespace rk::cli
