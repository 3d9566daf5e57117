#pragma once
// The channel table beside the form: a dock panel with a table of all 64
// channels over the document, its row commands (copy, paste, clear, move,
// sort) and the link to the form's current channel.

#include <QDockWidget>
#include <vector>

#include "ChannelOperations.h"
#include "ModelProfile.h"
#include "RadioDocument.h"

class QSettings;
class QTableView;

namespace rk {

class ChannelTableModel;
class FormView;

class ChannelTablePanel : public QDockWidget {
    Q_OBJECT
public:
    ChannelTablePanel(const ModelProfile& profile, RadioDocument& document, FormView& view, QWidget* parent = nullptr);
    ~ChannelTablePanel() override;

    QTableView* Table() const { return m_table; }
    ChannelTableModel* Model() const { return m_model; }
    // Copy, paste, clear, move up, move down, sort: active while the table
    // has the focus.
    QList<QAction*> RowActions() const { return m_rowActions; }

    // Column widths.
    void SaveColumns(QSettings& settings) const;
    void RestoreColumns(const QSettings& settings);

    // Wide enough for every column, for a first docking.
    int PreferredWidth() const;

    // Off while a series writes the image: the table is read only, and of
    // its row commands only Copy works.
    void SetEditable(bool editable);
    // The row commands follow the panel's showing and whether it takes edits.
    void EnableRowActions();

    // The selected channels, ascending; the current row when none is selected.
    std::vector<int> SelectedChannels() const;

signals:
    // A refused cell or command, for the status bar.
    void message(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QAction* AddRowAction(const char* text, const QKeySequence& shortcut, void (ChannelTablePanel::*slot)());
    void Copy();
    void Paste();
    void Clear();
    void MoveUp() { Move(MoveDirection::Up); }
    void MoveDown() { Move(MoveDirection::Down); }
    void Move(MoveDirection direction);
    void Sort();
    void ShowContextMenu(const QPoint& at);
    // One step of the document, then the form and the selection follow.
    void TakeImage(const RadioImage& image, const std::vector<int>& select, RowCommand command);
    void SelectChannels(const std::vector<int>& channels);

    // The one way the table shows a channel: it becomes the document's
    // current channel, which the form follows, or, when it is already, the
    // form shows it anew.
    void ShowChannel(int channel);
    // The table follows the document's current channel.
    void FollowForm(int channel);

    const ModelProfile& m_profile;
    RadioDocument& m_document;
    FormView& m_view;
    QTableView* m_table;
    ChannelTableModel* m_model;
    QList<QAction*> m_rowActions;
    bool m_followingForm = false;
    bool m_columnsFitted = false;
    bool m_editable = true;
    Subscription m_channelListener;
};

}  // namespace rk
