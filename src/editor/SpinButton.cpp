#include "SpinButton.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace rk {

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (auto* button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        button->setFixedWidth(16);
        layout->addWidget(button);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setAccessibleName(QStringLiteral("+"));
    m_down->setAccessibleName(QStringLiteral("-"));
    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void SpinButton::SetBuddy(QLineEdit* buddy) {
    if (m_buddy) m_buddy->removeEventFilter(this);
    m_buddy = buddy;
    if (m_buddy) m_buddy->installEventFilter(this);
    // Sits beside its buddy at the same height.
    if (m_buddy) setFixedHeight(m_buddy->sizeHint().height());
    ShowInBuddy();
}

void SpinButton::SetRange(int low, int high) {
    m_low = std::min(low, high);
    m_high = std::max(low, high);
}

void SpinButton::SetPosition(int position) {
    m_position = position;
    ShowInBuddy();
}

void SpinButton::Step(int delta) {
    const int next = std::clamp(m_position + delta, m_low, m_high);
    emit positionChanging(next);
    SetPosition(next);
}

void SpinButton::ShowInBuddy() {
    if (m_buddy) m_buddy->setText(QString::number(m_position));
}

// A page is a third of the range, at least one step.
bool SpinButton::StepForKey(int key) {
    const int page = std::max(1, (m_high - m_low) / 3);
    switch (key) {
    case Qt::Key_Up: Step(1); return true;
    case Qt::Key_Down: Step(-1); return true;
    case Qt::Key_PageUp: Step(page); return true;
    case Qt::Key_PageDown: Step(-page); return true;
    default: return false;
    }
}

void SpinButton::keyPressEvent(QKeyEvent* event) {
    if (!StepForKey(event->key())) QWidget::keyPressEvent(event);
}

bool SpinButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_buddy && event->type() == QEvent::KeyPress && isEnabled() &&
        StepForKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QWidget::eventFilter(watched, event);
}

void SpinButton::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0) Step(steps > 0 ? 1 : -1);
    event->accept();
}

}  // namespace rk
