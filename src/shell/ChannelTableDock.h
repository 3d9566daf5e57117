#pragma once
// The channel table's place in the main window: the panel is built on its
// first showing, where the last run left it (docked side or floating
// geometry, column widths), and what it looks like is kept in the program's
// settings whenever it is shown or hidden and when the window closes.

class QAction;
class QMainWindow;
class QMenu;
class QSize;
class QString;

namespace rk {

class ChannelTablePanel;
class FormView;
class RadioDocument;
class StatusPanes;
struct ModelProfile;

class ChannelTableDock {
public:
    // `viewItem` is the View menu's item, which follows the panel; the row
    // commands join `editMenu` once the panel is built; its messages go to
    // the status bar.
    struct Places {
        QMainWindow* window;
        QAction* viewItem;
        QMenu* editMenu;
        StatusPanes* status;
    };
    ChannelTableDock(const ModelProfile& profile, RadioDocument& document, FormView& view, Places places);
    ChannelTableDock(const ChannelTableDock&) = delete;
    ChannelTableDock& operator=(const ChannelTableDock&) = delete;
    // An open cell editor would commit into a window half torn down.
    ~ChannelTableDock();

    // The panel, or nullptr until it is first shown.
    ChannelTablePanel* Panel() const { return m_panel; }
    // Whether the last run left the panel shown.
    bool WasShown() const;
    void Show(bool shown);
    void Save() const;
    // The table takes edits, or is read only (also when built later).
    void SetEditable(bool editable);
    // A docked panel beside the form widens `bound` as far as the screen
    // allows and takes what the form (`formWidth`) leaves of it.
    void Widen(QSize& bound, int formWidth) const;

private:
    void Build();

    const ModelProfile& m_profile;
    RadioDocument& m_document;
    FormView& m_view;
    Places m_places;
    ChannelTablePanel* m_panel = nullptr;
    bool m_editable = true;
};

}  // namespace rk
