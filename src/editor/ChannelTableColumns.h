#pragma once
// The channel table's columns for one model: which there are (only the
// options its form has), their headings in the words of the form, what a
// cell shows, and how typed or chosen text becomes a value, with the form's
// number parsing, conversions and lists.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "ChannelOperations.h"
#include "ModelProfile.h"

namespace rk {

std::vector<ChannelColumn> TableColumns(const ModelProfile& profile);
QString ColumnHeading(const ModelProfile& profile, ChannelColumn column);

// As the form shows it: MHz as the frequency fields, a code as the code
// lists (a byte that names no entry in hex), the list texts of power and the
// options.
QString CellText(const ModelProfile& profile, const RadioImage& image, int channel, ChannelColumn column);
// The entries a list column offers, as the form's lists have them; empty for
// a column that takes a typed number.
QStringList CellChoices(const ModelProfile& profile, ChannelColumn column);

struct CellInput {
    std::optional<ColumnValue> value;
    QString reason;  // when there is no value
};
CellInput ParseCell(const ModelProfile& profile, ChannelColumn column, const QString& text);

QString RefusalText(const ModelProfile& profile, ColumnRefusal refusal);
// "channel, column: reason" for the status bar.
QString CellRefusedText(const ModelProfile& profile, int channel, ChannelColumn column, const QString& reason);

}  // namespace rk
