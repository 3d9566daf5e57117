#pragma once
// A single-selection list box that reports only the user's own choices.
// Selections the program makes through the QListWidget interface report
// nothing; a click reports its entry even when it was already selected, and
// the user can never clear the selection once there is one.

#include <QListWidget>

namespace rk {

class ChoiceList : public QListWidget {
    Q_OBJECT
public:
    explicit ChoiceList(QWidget* parent = nullptr);

    // Row of the selected entry, or -1.
    int SelectedRow() const;
    // The program's own selection; -1 clears it. Reports nothing.
    void SelectRow(int row);
    // Replaces every entry; nothing is selected afterwards. Reports nothing.
    void SetEntries(const QStringList& texts);

signals:
    void userChose(int row);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace rk
