#pragma once
// The status bar: the message pane with the idle text (command prompts cover
// it while the pointer is on a command) and the three key-lock indicators.

#include <QStatusBar>

class QLabel;
class QTimer;

namespace rk {

struct ModelProfile;

class StatusPanes : public QStatusBar {
    Q_OBJECT
public:
    StatusPanes(const ModelProfile& profile, QWidget* parent = nullptr);

    QString IdleText() const;

private:
    // Shows each indicator's text while its key is on.
    void RefreshIndicators();
    QLabel* AddIndicator(const QString& text);
    QLabel* m_idle;
    QLabel* m_caps;
    QLabel* m_num;
    QLabel* m_scroll;
    QString m_capsText, m_numText, m_scrollText;
    QTimer* m_poll;
};

}  // namespace rk
