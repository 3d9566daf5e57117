#pragma once
// Where a transfer stands, on stderr: one line rewritten in place on a
// terminal, one line per step otherwise.

#include <QString>

#include "TransferListener.h"

namespace rk::cli {

class Progress {
public:
    explicit Progress(bool quiet);
    void Step(const TransferStep& step);
    // Ends the rewritten line before anything else is said.
    void Finish();

private:
    bool m_quiet;
    bool m_terminal;
    bool m_lineOpen = false;
};

}  // namespace rk::cli
