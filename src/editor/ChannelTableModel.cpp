#include "ChannelTableModel.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

#include "ChannelNames.h"
#include "ChannelTableColumns.h"
#include "SortedSlots.h"

namespace rk {

namespace {
bool IsFrequency(ChannelColumn column) {
    return column == ChannelColumn::RxFrequency || column == ChannelColumn::TxFrequency;
}
bool IsScanGroup(ChannelColumn column) { return column == ChannelColumn::ScanGroupA || column == ChannelColumn::ScanGroupB; }
}  // namespace

ChannelTableModel::ChannelTableModel(RadioDocument& document, const ModelProfile& profile, QObject* parent)
    : QAbstractTableModel(parent), m_document(document), m_profile(profile), m_columns(TableColumns(profile)) {
    for (int c = 0; c < kChannelCount; ++c) m_shown[static_cast<std::size_t>(c)] = StateOf(c);
    m_imageListener = m_document.imageChanged.Add([this] { Refresh(); });
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kChannelCount; }

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return {};
    const int channel = index.row();
    const ChannelColumn column = Column(index.column());
    const RadioImage& image = m_document.Image();
    switch (role) {
    case Qt::DisplayRole:
        // Every stored frequency shows, in grey on a channel not in use; 0 is
        // no frequency.
        if (IsFrequency(column) && ReadColumn(image, channel, column).number == 0) return QString();
        return CellText(m_profile, image, channel, column);
    case Qt::EditRole: return CellText(m_profile, image, channel, column);
    case Qt::ForegroundRole:
        if (!image.IsChannelConfigured(channel)) return QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
        return {};
    case kChoicesRole: return CellChoices(m_profile, column);
    default: return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= kChannelCount) return {};
        return ChannelName(m_profile, section);
    }
    if (section < 0 || section >= columnCount()) return {};
    return ColumnHeading(m_profile, Column(section));
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    return SetOnChannels(index.column(), {index.row()}, value.toString());
}

bool ChannelTableModel::SetOnChannels(int section, const std::vector<int>& channels, const QString& text) {
    if (section < 0 || section >= columnCount() || channels.empty()) return false;
    const ChannelColumn column = Column(section);
    const CellInput input = ParseCell(m_profile, column, text);
    if (!input.value) {
        emit refused(CellRefusedText(m_profile, channels.front(), column, input.reason));
        return false;
    }
    const auto result = SetColumnOnChannels(m_document.Image(), channels, column, *input.value, m_profile.hasTxInhibit);
    if (result.refusal) {
        emit refused(CellRefusedText(m_profile, result.refusedChannel, column, RefusalText(m_profile, *result.refusal)));
        return false;
    }
    return Commit(result.image, channels, column);
}

// One document edit: the channel's record for a cell of one channel, the
// settings for its scan group, the whole image for several channels.
bool ChannelTableModel::Commit(const RadioImage& next, const std::vector<int>& channels, ChannelColumn column) {
    bool changed = false;
    if (channels.size() == 1 && !IsScanGroup(column)) {
        const auto bytes = next.Channel(channels.front()).Bytes();
        changed = m_document.EditChannel(channels.front(), [&](const ChannelRecord& record) {
            std::copy(bytes.begin(), bytes.end(), record.Bytes().begin());
        });
    } else if (channels.size() == 1) {
        const auto bytes = next.Settings().Bytes();
        changed = m_document.EditSettings([&](const SettingsBlock& settings) {
            std::copy(bytes.begin(), bytes.end(), settings.Bytes().begin());
        });
    } else {
        changed = m_document.Edit([&](RadioImage& image) { image = next; });
    }
    // The document told the table and the form's lists of the change; the
    // form shows the edited channel anew.
    if (changed) emit edited(channels.front());
    return true;
}

ChannelTableModel::RowState ChannelTableModel::StateOf(int channel) const {
    const RadioImage& image = m_document.Image();
    RowState state;
    const auto bytes = image.Channel(channel).Bytes();
    std::copy(bytes.begin(), bytes.end(), state.record.begin());
    state.inA = FindSlot(image.Settings().scanGroupA(), channel).has_value();
    state.inB = FindSlot(image.Settings().scanGroupB(), channel).has_value();
    return state;
}

void ChannelTableModel::Refresh() {
    for (int c = 0; c < kChannelCount; ++c) {
        const RowState now = StateOf(c);
        if (now == m_shown[static_cast<std::size_t>(c)]) continue;
        m_shown[static_cast<std::size_t>(c)] = now;
        emit dataChanged(index(c, 0), index(c, columnCount() - 1));
    }
}

}  // namespace rk
