#pragma once
// The status bar: the message pane with the idle text (command prompts cover
// it while the pointer is on a command) and the three key-lock indicators.
// While a transfer runs, the pane tells its phase and block, and a progress
// bar and a Stop button stand beside it.

#include <QStatusBar>

class QLabel;
class QProgressBar;
class QTimer;
class QToolButton;

namespace rk {

struct ModelProfile;

class StatusPanes : public QStatusBar {
    Q_OBJECT
public:
    StatusPanes(const ModelProfile& profile, QWidget* parent = nullptr);

    QString IdleText() const;
    QString MessageText() const;

    void ShowTransfer(const QString& text, int done, int total);
    // Back to the idle text; the bar and the button go.
    void ClearTransfer();
    QProgressBar* Progress() const { return m_progress; }
    QToolButton* StopButton() const { return m_stop; }

private:
    // Shows each indicator's text while its key is on.
    void RefreshIndicators();
    QLabel* AddIndicator(const QString& text);
    QLabel* m_idle;
    QString m_idleText;
    QProgressBar* m_progress;
    QToolButton* m_stop;
    QLabel* m_caps;
    QLabel* m_num;
    QLabel* m_scroll;
    QString m_capsText, m_numText, m_scrollText;
    QTimer* m_poll;
};

}  // namespace rk
