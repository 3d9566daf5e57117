#include "CloneLink.h"

#include <algorithm>

namespace rk {

CloneLink::CloneLink(const ModelRules& rules, RadioDocument& document, QObject* parent)
    : CloneLink(rules, document, TransferPeriods{}, parent) {}

CloneLink::CloneLink(const ModelRules& rules, RadioDocument& document, TransferPeriods periods, QObject* parent)
    : QObject(parent), m_periods(periods), m_transfer(rules, document, m_link, *this, *this, &ValidateForWrite) {
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

void CloneLink::StepStarted(const TransferStep& step) {
    emit stepStarted(step.kind, step.block, QString::fromStdString(step.port));
}

void CloneLink::ReadCompleted(const char* message) { emit readCompleted(QString::fromUtf8(message)); }

void CloneLink::WriteCompleted(const char* message) { emit writeCompleted(QString::fromUtf8(message)); }

void CloneLink::WriteRefused(int channel, const char* message) {
    emit writeRefused(channel, message ? QString::fromUtf8(message) : QString());
}

void CloneLink::TransferFailed(const char* message) { emit failed(QString::fromUtf8(message)); }

}  // namespace rk
