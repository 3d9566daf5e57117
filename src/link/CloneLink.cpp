#include "CloneLink.h"

#include <algorithm>

namespace rk {

CloneLink::CloneLink(const ModelRules& rules, SerialPort& port, TransferPeriods periods, QObject* parent)
    : QObject(parent),
      m_periods(periods),
      m_backups(QString::fromUtf8(rules.programName), QString::fromUtf8(rules.extension)),
      m_transfer(rules, port, *this, *this, &ValidateForWrite, &m_backups) {
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

void CloneLink::OnWriteRadio(const RadioImage& image, WriteOptions options) {
    m_stepClock.start();
    m_transfer.OnWriteRadio(image, options);
}

void CloneLink::Stop() { m_transfer.Stop(); }

void CloneLink::ProceedWrite() {
    m_stepClock.start();
    m_transfer.ProceedWrite();
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

void CloneLink::StepStarted(const TransferStep& step) { emit stepStarted(step); }

void CloneLink::WriteAwaiting(const WritePreview& preview) { emit writeAwaiting(preview); }

void CloneLink::ReadCompleted(const ReadResult& result) { emit readCompleted(result); }

void CloneLink::WriteCompleted(const WriteResult& result) { emit writeCompleted(result); }

void CloneLink::WriteRefused(const WriteRefusal& refusal) { emit writeRefused(refusal); }

void CloneLink::TransferFailed(const TransferFailure& failure) { emit failed(failure); }

void CloneLink::TransferStopped(TransferPhase phase) { emit stopped(phase); }

}  // namespace rk
