#pragma once
// An up-down button pair with a read-only buddy field that shows its position
// as an integer. The position may be set outside the range (a stored byte is
// shown as it is); a user's step always lands inside the range.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace rk {

class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

    void SetBuddy(QLineEdit* buddy);
    void SetRange(int low, int high);
    int Position() const { return m_position; }
    // The program's own change: reports nothing.
    void SetPosition(int position);

    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }

signals:
    // The user is moving the spin to `newPosition`; sent before it moves.
    void positionChanging(int newPosition);

protected:
    // Up, Down, Page Up and Page Down move the spin from the buddy too.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Step(int delta);
    bool StepForKey(int key);
    void ShowInBuddy();

    QToolButton* m_up;
    QToolButton* m_down;
    QLineEdit* m_buddy = nullptr;
    int m_low = 0;
    int m_high = 100;
    int m_position = 0;
};

}  // namespace rk
