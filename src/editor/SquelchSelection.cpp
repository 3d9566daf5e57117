// Choosing a code type and a code on either side. A type choice changes only
// the side's two bits; a code choice changes only its byte.

#include "ChoiceList.h"
#include "CodeTableTexts.h"
#include "FormView.h"
#include "SquelchCodes.h"

namespace rk {

void FormView::OnCodeTypeChosen(const CodeSide& side) {
    const int row = side.typeList->SelectedRow();
    if (row < 0) return;
    const QString text = side.typeList->item(row)->text();
    if (text == QLatin1String("DQT")) {
        ShowForm();
        side.table->SetEntries(DcsEntries());
        EditRecord([&](const ChannelRecord& record) {
            record.SetCodeFlag(side.onBit, true);
            record.SetCodeFlag(side.toneBit, false);
        });
    } else if (text == QLatin1String("QT")) {
        ShowForm();
        side.table->SetEntries(ToneEntries());
        EditRecord([&](const ChannelRecord& record) {
            record.SetCodeFlag(side.onBit, true);
            record.SetCodeFlag(side.toneBit, true);
        });
    } else if (text == Text(m_profile.editor.codeNone)) {
        side.table->SetEntries({});
        ShowForm();
        EditRecord([&](const ChannelRecord& record) { record.SetCodeFlag(side.onBit, false); });
    }
}

void FormView::OnCodeChosen(const CodeSide& side) {
    const int p = side.table->SelectedRow();
    if (p < 0) return;
    EditRecord([&](const ChannelRecord& record) {
        const std::uint8_t byte =
            EncodeSquelchCode(record.HasCodeFlag(side.onBit), record.HasCodeFlag(side.toneBit), p);
        if (side.receive)
            record.setRxCode(byte);
        else
            record.setTxCode(byte);
    });
}

}  // namespace rk
