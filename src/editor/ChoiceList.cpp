#include "ChoiceList.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace rk {

ChoiceList::ChoiceList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
}

int ChoiceList::SelectedRow() const {
    const auto rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ChoiceList::SelectRow(int row) {
    const QSignalBlocker blocker(this);
    if (row < 0 || row >= count()) {
        clearSelection();
        setCurrentRow(-1);
        return;
    }
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(row));
}

void ChoiceList::SetEntries(const QStringList& texts) {
    const QSignalBlocker blocker(this);
    clear();
    addItems(texts);
    clearSelection();
    setCurrentRow(-1);
}

QItemSelectionModel::SelectionFlags ChoiceList::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
    // Ctrl+click would deselect; a list box of this kind keeps its choice.
    auto flags = QListWidget::selectionCommand(index, event);
    if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        flags = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    return flags;
}

void ChoiceList::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (pressed.isValid() && pressed.row() == SelectedRow()) emit userChose(pressed.row());
}

void ChoiceList::mouseMoveEvent(QMouseEvent* event) {
    const int before = SelectedRow();
    QListWidget::mouseMoveEvent(event);
    const int after = SelectedRow();
    if (after >= 0 && after != before) emit userChose(after);
}

void ChoiceList::keyPressEvent(QKeyEvent* event) {
    const int before = SelectedRow();
    QListWidget::keyPressEvent(event);
    const int after = SelectedRow();
    if (after >= 0 && after != before) emit userChose(after);
}

}  // namespace rk
