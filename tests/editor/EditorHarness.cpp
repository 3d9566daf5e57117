#include "EditorHarness.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <stdexcept>

#include "ChoiceList.h"
#include "FormInput.h"
#include "Rk520Profile.h"
#include "Rk520View.h"
#include "Rk7400Profile.h"
#include "Rk7400View.h"
#include "SpinButton.h"

namespace rk::test {

EditorHarness::EditorHarness(const QString& model) {
    document.OnNewDocument();
    if (model == QLatin1String("rk520")) {
        view = std::make_unique<CRk520View>(document);
        profile = &Rk520Profile();
    } else if (model == QLatin1String("rk7400")) {
        view = std::make_unique<CRk7400View>(document);
        profile = &Rk7400Profile();
    } else {
        throw std::invalid_argument("unknown model");
    }
    view->OnInitialUpdate();
    view->resize(view->sizeHint());
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get())) throw std::runtime_error("form not shown");
}

EditorHarness::~EditorHarness() = default;

void EditorHarness::NewDocument() {
    document.OnNewDocument();
    view->OnInitialUpdate();
}

void EditorHarness::Load(const RadioImage& image) {
    document.LoadImage(image);
    view->OnInitialUpdate();
}

ChoiceList* EditorHarness::List(int id) const { return qobject_cast<ChoiceList*>(view->Control(id)); }
QLineEdit* EditorHarness::Edit(int id) const { return qobject_cast<QLineEdit*>(view->Control(id)); }
QPushButton* EditorHarness::Button(int id) const { return qobject_cast<QPushButton*>(view->Control(id)); }
SpinButton* EditorHarness::Spin() const { return qobject_cast<SpinButton*>(view->Control(ctl::kSquelchSpin)); }

QString EditorHarness::Text(int editId) const { return Edit(editId)->text(); }
int EditorHarness::Selected(int listId) const { return List(listId)->SelectedRow(); }

QString EditorHarness::SelectedText(int listId) const {
    const QListWidgetItem* item = List(listId)->item(Selected(listId));
    return item ? item->text() : QString();
}

QStringList EditorHarness::Entries(int listId) const {
    QStringList texts;
    const ChoiceList* list = List(listId);
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

void EditorHarness::Click(int listId, int row) { ClickRow(List(listId), row); }

void EditorHarness::KeyDown(int listId) {
    List(listId)->setFocus();
    QTest::keyClick(List(listId), Qt::Key_Down);
}

void EditorHarness::Press(int buttonId) { QTest::mouseClick(Button(buttonId), Qt::LeftButton); }
void EditorHarness::SpinUp() { QTest::mouseClick(Spin()->UpButton(), Qt::LeftButton); }
void EditorHarness::SpinDown() { QTest::mouseClick(Spin()->DownButton(), Qt::LeftButton); }

void EditorHarness::Type(int editId, const QString& text) { TypeOver(Edit(editId), text); }

void EditorHarness::Backspace(int editId, int count) {
    QLineEdit* edit = Edit(editId);
    edit->setFocus();
    edit->deselect();
    edit->end(false);
    for (int i = 0; i < count; ++i) QTest::keyClick(edit, Qt::Key_Backspace);
}

void EditorHarness::Clear(int editId) {
    QLineEdit* edit = Edit(editId);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
}

void EditorHarness::Paste(int editId, const QString& text) {
    QLineEdit* edit = Edit(editId);
    edit->setFocus();
    edit->selectAll();
    // insert() is what a paste does; the user's edit reports through textEdited.
    edit->insert(text);
}

void SetFrequencies(RadioImage& image, int channel, std::uint32_t rx, std::uint32_t tx) {
    image.Channel(channel).setRxFreq(rx);
    image.Channel(channel).setTxFreq(tx);
}

RadioImage ImageWithChannels(std::initializer_list<int> channels) {
    RadioDocument fresh;
    fresh.OnNewDocument();
    RadioImage image = fresh.Image();
    for (int c : channels) SetFrequencies(image, c, 14'500'000, 14'500'000);
    return image;
}

QString NameOf(const QString& model, int channel) {
    const QString number = QStringLiteral("%1").arg(channel + 1, 2, 10, QLatin1Char('0'));
    return model == QLatin1String("rk520") ? number + QStringLiteral("频道") : number;
}

}  // namespace rk::test
