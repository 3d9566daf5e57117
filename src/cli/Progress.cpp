#include "Progress.h"

#include <cstdio>
#ifdef _WIN32
#include <io.h>
#define RK_ISATTY _isatty
#define RK_FILENO _fileno
#else
#include <unistd.h>
#define RK_ISATTY isatty
#define RK_FILENO fileno
#endif

#include "Cli.h"

namespace rk::cli {

namespace {
QString PhaseText(TransferPhase phase) {
    switch (phase) {
    case TransferPhase::Read: return QStringLiteral("reading");
    case TransferPhase::Backup: return QStringLiteral("backing up");
    case TransferPhase::Write: return QStringLiteral("writing");
    case TransferPhase::Verify: return QStringLiteral("reading back");
    }
    return {};
}
}  // namespace

Progress::Progress(bool quiet) : m_quiet(quiet), m_terminal(RK_ISATTY(RK_FILENO(stderr)) != 0) {}

void Progress::Step(const TransferStep& step) {
    if (m_quiet) return;
    const QString where = QString::fromStdString(step.port);
    const QString block = step.block == 0 ? QStringLiteral("handshake")
                                          : QStringLiteral("block %1 of %2").arg(step.block).arg(kImageBlocks);
    const QString line = QStringLiteral("rkradio: %1 %2: %3").arg(PhaseText(step.phase), where, block);
    if (m_terminal) {
        // Back to the line's start, then clear what the last step left.
        ErrorText(QLatin1Char('\r') + line + QStringLiteral("\x1b[K"));
        m_lineOpen = true;
    } else {
        ErrorText(line + QLatin1Char('\n'));
    }
}

void Progress::Finish() {
    if (!m_lineOpen) return;
    ErrorText(QStringLiteral("\n"));
    m_lineOpen = false;
}

}  // namespace rk::cli
