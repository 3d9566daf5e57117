#include "CloneLink.h"

#include "Prompts.h"

namespace rk {

CloneLink::CloneLink(const ModelProfile& profile, RadioDocument& document, TransferDisplay& display, QObject* parent)
    : CloneLink(profile, document, display, TransferPeriods{}, parent) {}

CloneLink::CloneLink(const ModelProfile& profile, RadioDocument& document, TransferDisplay& display,
                     TransferPeriods periods, QObject* parent)
    : QObject(parent),
      m_display(display),
      m_transfer(profile, document, m_link, *this, *this, &ValidateForWrite) {
    const struct {
        QTimer& timer;
        int id;
        int periodMs;
    } timers[] = {
        {m_blockReplyTimer, kBlockReplyTimer, periods.blockReplyMs},
        {m_writeBlockTimer, kWriteBlockTimer, periods.writeBlockMs},
        {m_handshakeTimer, kHandshakeTimer, periods.handshakeMs},
    };
    for (const auto& t : timers) {
        t.timer.setSingleShot(true);
        // A coarse timer may be 5% late; the schedule is meant to hold to 1%.
        t.timer.setTimerType(Qt::PreciseTimer);
        t.timer.setInterval(t.periodMs);
        const int id = t.id;
        connect(&t.timer, &QTimer::timeout, this, [this, id] { m_transfer.OnTimer(id); });
    }
}

CloneLink::~CloneLink() { m_transfer.OnCloseRequest(); }

QTimer* CloneLink::TimerFor(int id) {
    switch (id) {
    case kBlockReplyTimer: return &m_blockReplyTimer;
    case kWriteBlockTimer: return &m_writeBlockTimer;
    case kHandshakeTimer: return &m_handshakeTimer;
    default: return nullptr;
    }
}

void CloneLink::StartTimer(int id) {
    if (QTimer* timer = TimerFor(id)) timer->start();
}

void CloneLink::StopTimer(int id) {
    if (QTimer* timer = TimerFor(id)) timer->stop();
}

void CloneLink::ShowMessage(const char* utf8) { Prompts::Current().ShowMessage(QString::fromUtf8(utf8)); }

void CloneLink::ShowReadImage() { m_display.ShowReadImage(); }

void CloneLink::ShowRefusedChannel(int channel) { m_display.ShowRefusedChannel(channel); }

}  // namespace rk
