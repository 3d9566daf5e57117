#pragma once
// One model's real form view on a document, driven the way a user drives it:
// clicks on list rows, typing into edit fields, button presses, spin steps.

#include <QString>
#include <memory>

#include "FormView.h"
#include "RadioDocument.h"
#include "RecordingPrompts.h"

class QLineEdit;
class QPushButton;

namespace rk {
class ChoiceList;
class SpinButton;
}  // namespace rk

namespace rk::test {

class EditorHarness {
public:
    // "rk520" or "rk7400"; starts with a new document shown.
    explicit EditorHarness(const QString& model);
    ~EditorHarness();

    void NewDocument();
    void Load(const RadioImage& image);

    ChoiceList* List(int id) const;
    QLineEdit* Edit(int id) const;
    QPushButton* Button(int id) const;
    SpinButton* Spin() const;

    // What the user sees.
    QString Text(int editId) const;
    int Selected(int listId) const;
    // Text of the selected entry; empty when nothing is selected.
    QString SelectedText(int listId) const;
    QStringList Entries(int listId) const;

    // What the user does.
    void Click(int listId, int row);
    void KeyDown(int listId);
    void Press(int buttonId);
    void SpinUp();
    void SpinDown();
    // Selects the field's text and types over it, one keystroke at a time.
    void Type(int editId, const QString& text);
    // Puts the cursor at the end and deletes `count` characters backwards.
    void Backspace(int editId, int count = 1);
    // Selects the field's text and deletes it.
    void Clear(int editId);
    // Pastes a whole text over the field's text in one edit.
    void Paste(int editId, const QString& text);

    RadioDocument document;
    RecordingPrompts prompts;
    std::unique_ptr<FormView> view;
    const ModelProfile* profile = nullptr;
};

// Image builders.
void SetFrequencies(RadioImage& image, int channel, std::uint32_t rx, std::uint32_t tx);
// A new document's image with the given channels at 145 MHz on both sides.
RadioImage ImageWithChannels(std::initializer_list<int> channels);
QString NameOf(const QString& model, int channel);

}  // namespace rk::test
