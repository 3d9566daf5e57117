#pragma once
// The channel table: 64 rows, one per channel, over the document's image.
// Cells show and take values as the form does; each committed cell is one
// edit of the document. The model follows the image, whoever changes it,
// through Refresh, which reports only the rows whose bytes changed.

#include <QAbstractTableModel>
#include <array>
#include <vector>

#include "ChannelOperations.h"
#include "ModelProfile.h"
#include "RadioDocument.h"

namespace rk {

class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The entries of a list column (QStringList), for the cell's editor.
    static constexpr int kChoicesRole = Qt::UserRole + 1;

    ChannelTableModel(RadioDocument& document, const ModelProfile& profile, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    ChannelColumn Column(int section) const { return m_columns.at(static_cast<std::size_t>(section)); }
    // Sets the text of `index`'s column on every channel of `channels` as one
    // edit, or on none when a channel refuses it.
    bool SetOnChannels(int section, const std::vector<int>& channels, const QString& text);

    // After the image changed: dataChanged for each row that differs from
    // what the table last showed.
    void Refresh();

signals:
    // A typed or chosen value was refused; the text says which cell and why.
    void refused(const QString& why);
    // A cell edit changed the image; `channel` is the (first) edited channel.
    void edited(int channel);

private:
    struct RowState {
        std::array<std::uint8_t, kRecordSize> record{};
        bool inA = false;
        bool inB = false;
        friend bool operator==(const RowState&, const RowState&) = default;
    };
    RowState StateOf(int channel) const;
    bool Commit(const RadioImage& next, const std::vector<int>& channels, ChannelColumn column);

    RadioDocument& m_document;
    const ModelProfile& m_profile;
    std::vector<ChannelColumn> m_columns;
    std::array<RowState, kChannelCount> m_shown{};
    Subscription m_imageListener;
};

}  // namespace rk
