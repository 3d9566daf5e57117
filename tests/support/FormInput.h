#pragma once
// What a user does to the form's controls, shared by the form's tests and the
// programs' tests.

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <stdexcept>

namespace rk::test {

// Clicks row `row` of a list where it is shown; throws when there is none.
inline void ClickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    if (!item) throw std::out_of_range("no such row");
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// Keystrokes into a field, as a user types them after clicking into it: the
// field's text is selected and typed over, one key at a time.
inline void TypeOver(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

}  // namespace rk::test
