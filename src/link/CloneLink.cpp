#include "CloneLink.h"

#include <algorithm>

#include "Prompts.h"

namespace rk {

CloneLink::CloneLink(const ModelProfile& profile, RadioDocument& document, TransferDisplay& display, QObject* parent)
    : CloneLink(profile, document, display, TransferPeriods{}, parent) {}

CloneLink::CloneLink(const ModelProfile& profile, RadioDocument& document, TransferDisplay& display,
                     TransferPeriods periods, QObject* parent)
    : QObject(parent),
      m_periods(periods),
      m_display(display),
      m_transfer(profile, document, m_link, *this, *this, &ValidateForWrite) {
    const struct {
        QTimer& timer;
        int id;
    } timers[] = {
        {m_blockReplyTimer, kBlockReplyTimer},
        {m_writeBlockTimer, kWriteBlockTimer},
        {m_handshakeTimer, kHandshakeTimer},
    };
    for (const auto& t : timers) {
        t.timer.setSingleShot(true);
        // A coarse timer may be 5% late; the schedule is meant to hold to 1%.
        t.timer.setTimerType(Qt::PreciseTimer);
        const int id = t.id;
        connect(&t.timer, &QTimer::timeout, this, [this, id] {
            m_stepClock.start();
            m_transfer.OnTimer(id);
        });
    }
}

void CloneLink::OnReadRadio() {
    m_stepClock.start();
    m_transfer.OnReadRadio();
}

void CloneLink::OnWriteRadio() {
    m_stepClock.start();
    m_transfer.OnWriteRadio();
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

int CloneLink::PeriodFor(int id) const {
    switch (id) {
    case kBlockReplyTimer: return m_periods.blockReplyMs;
    case kWriteBlockTimer: return m_periods.writeBlockMs;
    case kHandshakeTimer: return m_periods.handshakeMs;
    default: return 0;
    }
}

void CloneLink::StartTimer(int id) {
    QTimer* timer = TimerFor(id);
    if (!timer) return;
    const qint64 spent = m_stepClock.isValid() ? m_stepClock.elapsed() : 0;
    timer->start(static_cast<int>(std::max<qint64>(0, PeriodFor(id) - spent)));
}

void CloneLink::StopTimer(int id) {
    if (QTimer* timer = TimerFor(id)) timer->stop();
}

void CloneLink::ShowMessage(const char* utf8) { Prompts::Current().ShowMessage(QString::fromUtf8(utf8)); }

void CloneLink::ShowReadImage() { m_display.ShowReadImage(); }

void CloneLink::ShowRefusedChannel(int channel) { m_display.ShowRefusedChannel(channel); }

}  // namespace rk
