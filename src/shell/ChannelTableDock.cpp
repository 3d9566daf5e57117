#include "ChannelTableDock.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QTableView>
#include <algorithm>

#include "ChannelTablePanel.h"
#include "FormView.h"
#include "ModelProfile.h"
#include "SettingsLocation.h"
#include "StatusPanes.h"

namespace rk {

namespace {
const QString kTableShownKey = QStringLiteral("ChannelTable/Shown");
const QString kTableFloatingKey = QStringLiteral("ChannelTable/Floating");
const QString kTableAreaKey = QStringLiteral("ChannelTable/Area");
const QString kTableGeometryKey = QStringLiteral("ChannelTable/Geometry");
}  // namespace

ChannelTableDock::ChannelTableDock(const ModelProfile& profile, RadioDocument& document, FormView& view, Places places)
    : m_profile(profile), m_document(document), m_view(view), m_places(places) {}

ChannelTableDock::~ChannelTableDock() {
    // The panel hides as the window goes, when the View item may be gone.
    if (!m_panel) return;
    m_panel->disconnect(m_places.window);
    m_panel->Table()->reset();
}

bool ChannelTableDock::WasShown() const {
    return ProgramSettings(m_profile.shell.programTitle).value(kTableShownKey).toBool();
}

void ChannelTableDock::Build() {
    QMainWindow* window = m_places.window;
    const QSettings settings = ProgramSettings(m_profile.shell.programTitle);
    m_panel = new ChannelTablePanel(m_profile, m_document, m_view, window);
    const auto area = static_cast<Qt::DockWidgetArea>(settings.value(kTableAreaKey, int(Qt::RightDockWidgetArea)).toInt());
    window->addDockWidget(area == Qt::NoDockWidgetArea ? Qt::RightDockWidgetArea : area, m_panel);
    m_panel->RestoreColumns(settings);
    // Room beside the form rather than taken from it.
    const int wanted = std::min(m_panel->PreferredWidth(), 900);
    if (window->isVisible() && !settings.value(kTableFloatingKey).toBool())
        window->resize(window->width() + wanted, window->height());
    window->resizeDocks({m_panel}, {wanted}, Qt::Horizontal);
    if (settings.value(kTableFloatingKey).toBool()) {
        m_panel->setFloating(true);
        if (!m_panel->restoreGeometry(settings.value(kTableGeometryKey).toByteArray()))
            m_panel->resize(wanted, m_view.sizeHint().height());
    }
    // The row commands join the Edit menu; their keys work while the table
    // has the focus.
    m_places.editMenu->addSeparator();
    m_places.editMenu->addActions(m_panel->RowActions());
    QObject::connect(m_panel, &ChannelTablePanel::message, window,
                     [status = m_places.status](const QString& text) { status->showMessage(text); });
    // The View item follows the panel, also when a floating one is closed.
    QObject::connect(m_panel, &QDockWidget::visibilityChanged, window, [this](bool) {
        m_places.viewItem->setChecked(!m_panel->isHidden());
        m_panel->EnableRowActions();
    });
    m_panel->SetEditable(m_editable);
}

void ChannelTableDock::SetEditable(bool editable) {
    m_editable = editable;
    if (m_panel) m_panel->SetEditable(editable);
}

void ChannelTableDock::Show(bool shown) {
    if (!m_panel) {
        if (!shown) return;
        Build();
    }
    m_panel->setVisible(shown);
    if (shown) m_panel->Table()->setFocus(Qt::OtherFocusReason);
    Save();
}

void ChannelTableDock::Save() const {
    QSettings settings = ProgramSettings(m_profile.shell.programTitle);
    settings.setValue(kTableShownKey, m_panel && !m_panel->isHidden());
    if (!m_panel) return;
    settings.setValue(kTableFloatingKey, m_panel->isFloating());
    settings.setValue(kTableAreaKey, int(m_places.window->dockWidgetArea(m_panel)));
    settings.setValue(kTableGeometryKey, m_panel->saveGeometry());
    m_panel->SaveColumns(settings);
}

void ChannelTableDock::Widen(QSize& bound, int formWidth) const {
    QMainWindow* window = m_places.window;
    if (!m_panel || m_panel->isHidden() || m_panel->isFloating() || !window->screen()) return;
    const Qt::DockWidgetArea area = window->dockWidgetArea(m_panel);
    if (area != Qt::LeftDockWidgetArea && area != Qt::RightDockWidgetArea) return;
    const int screenWidth = window->screen()->availableGeometry().width();
    bound.setWidth(std::max(bound.width(), screenWidth));
    window->resize(bound);
    const int room = screenWidth - formWidth;
    window->resizeDocks({m_panel}, {std::clamp(m_panel->PreferredWidth(), 0, std::max(room, 200))}, Qt::Horizontal);
}

}  // namespace rk
