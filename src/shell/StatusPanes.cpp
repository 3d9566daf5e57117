#include "StatusPanes.h"

#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>

#include "KeyLocks.h"
#include "ModelProfile.h"
#include "Texts.h"

namespace rk {

StatusPanes::StatusPanes(const ModelProfile& profile, QWidget* parent)
    : QStatusBar(parent),
      m_capsText(Tr(profile.shell.capsIndicator)),
      m_numText(Tr(profile.shell.numIndicator)),
      m_scrollText(Tr(profile.shell.scrollIndicator)) {
    m_idleText = Tr(profile.shell.idleStatus);
    m_idle = new QLabel(m_idleText, this);
    addWidget(m_idle, 1);
    // Permanent, so that a command prompt passing over the pane leaves them.
    m_progress = new QProgressBar(this);
    m_progress->setFixedWidth(160);
    m_progress->setTextVisible(false);
    m_progress->hide();
    addPermanentWidget(m_progress);
    m_stop = new QToolButton(this);
    m_stop->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_stop->hide();
    addPermanentWidget(m_stop);
    m_caps = AddIndicator(m_capsText);
    m_num = AddIndicator(m_numText);
    m_scroll = AddIndicator(m_scrollText);
    // No platform sends an event when a lock key changes state, so the
    // indicators are looked at a few times a second.
    m_poll = new QTimer(this);
    m_poll->setInterval(250);
    connect(m_poll, &QTimer::timeout, this, &StatusPanes::RefreshIndicators);
    m_poll->start();
    RefreshIndicators();
}

QLabel* StatusPanes::AddIndicator(const QString& text) {
    auto* label = new QLabel(this);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + 10);
    label->setAccessibleName(text);
    addPermanentWidget(label);
    return label;
}

QString StatusPanes::IdleText() const { return m_idleText; }

QString StatusPanes::MessageText() const { return m_idle->text(); }

void StatusPanes::ShowTransfer(const QString& text, int done, int total) {
    m_idle->setText(text);
    m_progress->setRange(0, total);
    m_progress->setValue(done);
    m_progress->setAccessibleName(text);
    m_progress->show();
    m_stop->show();
}

void StatusPanes::ClearTransfer() {
    m_idle->setText(m_idleText);
    m_progress->hide();
    m_stop->hide();
}

void StatusPanes::RefreshIndicators() {
    const KeyLockState state = QueryKeyLocks().value_or(KeyLockState{});
    m_caps->setText(state.caps ? m_capsText : QString());
    m_num->setText(state.num ? m_numText : QString());
    m_scroll->setText(state.scroll ? m_scrollText : QString());
}

}  // namespace rk
