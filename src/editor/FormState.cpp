#include "FormState.h"

#include <QCoreApplication>
#include <QSignalBlocker>

#include "Conversions.h"
#include "Prompts.h"

namespace rk {

void FormState::SetReadOrder(std::vector<NumberField> order) {
    m_readOrder = std::move(order);
    // The document outlives the form; the form's state may not outlive its
    // fields, which finish editing as they are destroyed.
    RadioDocument* doc = &document;
    for (const auto& field : m_readOrder)
        QObject::connect(field.edit, &QLineEdit::editingFinished, field.edit, [doc] { doc->EndTyping(); });
}

bool FormState::ReadForm() {
    for (const auto& field : m_readOrder) {
        const QByteArray text = field.edit->text().left(static_cast<qsizetype>(kNumberTextLimit)).toUtf8();
        const auto value = ParseNumber(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                                       profile.rules.acceptsDecimalComma);
        if (!value) {
            Prompts::Current().ShowMessage(Text(profile.editor.numberRequired));
            field.edit->setFocus(Qt::OtherFocusReason);
            field.edit->selectAll();
            return false;
        }
        *field.value = *value;
    }
    return true;
}

int FormState::Channel() const {
    const int c = document.CurrentChannel();
    return c >= 0 && c < kChannelCount ? c : 0;
}

QString FormState::Text(const char* utf8) const { return QCoreApplication::translate(profile.rules.programName, utf8); }

void FormState::ShowForm() {
    for (const auto& field : m_readOrder) {
        const QString text = QString::fromStdString(FormatNumber(*field.value));
        if (field.edit->text() == text) continue;
        const QSignalBlocker blocker(field.edit);
        field.edit->setText(text);
    }
}

}  // namespace rk
