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
    // Rows: tone (QT), digital (DQT), none.
    if (row == 1) {
        ShowForm();
        side.table->SetEntries(DcsEntries());
        EditRecord([&](const ChannelRecord& record) {
            record.SetCodeFlag(side.onBit, true);
            record.SetCodeFlag(side.toneBit, false);
        });
    } else if (row == 0) {
        ShowForm();
        side.table->SetEntries(ToneEntries());
        EditRecord([&](const ChannelRecord& record) {
            record.SetCodeFlag(side.onBit, true);
            record.SetCodeFlag(side.toneBit, true);
        });
    } else if (row == 2) {
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
