#include "ChannelTablePanel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <algorithm>
#include <optional>

#include "ChannelPaste.h"
#include "ChannelTable.h"
#include "ChannelTableDelegate.h"
#include "ChannelTableFiles.h"
#include "ChannelTableModel.h"
#include "FormView.h"
#include "Languages.h"
#include "Texts.h"

namespace rk {

namespace {
const QString kColumnsKey = QStringLiteral("ChannelTable/Columns");
// The widths fit the headers of the language they were saved in.
const QString kColumnsLanguageKey = QStringLiteral("ChannelTable/ColumnsLanguage");
const QString kCsvType = QStringLiteral("text/csv");
}  // namespace

ChannelTablePanel::ChannelTablePanel(const ModelProfile& profile, RadioDocument& document, FormView& view,
                                     QWidget* parent)
    : QDockWidget(parent), m_profile(profile), m_document(document), m_view(view) {
    setObjectName(QStringLiteral("channelTable"));
    setWindowTitle(Tr(profile.tableView.command).remove(QRegularExpression(QStringLiteral("\\(&.\\)"))).remove(QLatin1Char('&')));
    m_model = new ChannelTableModel(document, profile, this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("channelTableView"));
    m_table->setAccessibleName(windowTitle());
    m_table->setModel(m_model);
    m_table->setItemDelegate(new ChannelTableDelegate(m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    SetEditable(true);
    m_table->setTabKeyNavigation(true);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionsMovable(false);
    setWidget(m_table);

    const ChannelTableViewTexts& t = profile.tableView;
    AddRowAction(t.copy, QKeySequence(Qt::CTRL | Qt::Key_C), &ChannelTablePanel::Copy);
    AddRowAction(t.paste, QKeySequence(Qt::CTRL | Qt::Key_V), &ChannelTablePanel::Paste);
    AddRowAction(t.clear, QKeySequence(Qt::Key_Delete), &ChannelTablePanel::Clear);
    AddRowAction(t.moveUp, QKeySequence(Qt::ALT | Qt::Key_Up), &ChannelTablePanel::MoveUp);
    AddRowAction(t.moveDown, QKeySequence(Qt::ALT | Qt::Key_Down), &ChannelTablePanel::MoveDown);
    AddRowAction(t.sort, QKeySequence(), &ChannelTablePanel::Sort);

    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &QWidget::customContextMenuRequested, this, &ChannelTablePanel::ShowContextMenu);
    connect(m_model, &ChannelTableModel::refused, this, &ChannelTablePanel::message);
    connect(m_model, &ChannelTableModel::edited, this, &ChannelTablePanel::ShowChannel);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && !m_followingForm) ShowChannel(current.row());
            });
    m_channelListener = m_document.currentChannelChanged.Add([this](std::int32_t channel) { FollowForm(channel); });
    FollowForm(m_view.EditChannel());
}

ChannelTablePanel::~ChannelTablePanel() = default;

QAction* ChannelTablePanel::AddRowAction(const char* text, const QKeySequence& shortcut,
                                         void (ChannelTablePanel::*slot)()) {
    auto* action = new QAction(Tr(text), this);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, slot);
    m_table->addAction(action);
    m_rowActions << action;
    return action;
}

std::vector<int> ChannelTablePanel::SelectedChannels() const {
    std::vector<int> channels;
    for (const QModelIndex& row : m_table->selectionModel()->selectedRows()) channels.push_back(row.row());
    if (channels.empty() && m_table->currentIndex().isValid()) channels.push_back(m_table->currentIndex().row());
    std::sort(channels.begin(), channels.end());
    return channels;
}

void ChannelTablePanel::Copy() {
    const std::vector<int> channels = SelectedChannels();
    if (channels.empty()) return;
    const std::int32_t split = m_profile.rules.validation.greatestSplit;
    const RadioImage& image = m_document.Image();
    const auto tabs = ExportChannelTable(image, split, channels, '\t');
    const auto commas = ExportChannelTable(image, split, channels, ',');
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(tabs.text));
    mime->setData(kCsvType, QByteArray::fromStdString(commas.text));
    QApplication::clipboard()->setMimeData(mime);
}

void ChannelTablePanel::Paste() {
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (!mime) return;
    QByteArray text = mime->text().toUtf8();
    if (text.isEmpty()) text = mime->data(kCsvType);
    if (text.isEmpty() || text.size() > static_cast<qsizetype>(kChannelTableMaxBytes)) return;
    // The rows go where the user points: the top of the selection.
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    std::optional<int> target;
    for (const QModelIndex& row : rows) target = std::min(target.value_or(row.row()), row.row());
    const auto result =
        PasteChannelTable(m_document.Image(), std::string_view(text.constData(), static_cast<std::size_t>(text.size())), target);
    if (!AcceptTableRows(m_profile, result)) return;
    if (result.image == m_document.Image()) return emit message(Tr(m_profile.tableView.pasteUnchanged));
    TakeImage(result.image, SelectedChannels(), RowCommand::Paste);
}

void ChannelTablePanel::Clear() {
    const std::vector<int> channels = SelectedChannels();
    TakeImage(ClearChannels(m_document.Image(), channels), channels, RowCommand::Clear);
}

void ChannelTablePanel::Move(MoveDirection direction) {
    const MovedChannels moved = MoveChannels(m_document.Image(), SelectedChannels(), direction);
    TakeImage(moved.image, moved.channels, direction == MoveDirection::Up ? RowCommand::MoveUp : RowCommand::MoveDown);
}

void ChannelTablePanel::Sort() {
    const std::vector<int> channels = SelectedChannels();
    TakeImage(SortByReceiveFrequency(m_document.Image(), channels), channels, RowCommand::Sort);
}

void ChannelTablePanel::SetEditable(bool editable) {
    m_editable = editable;
    m_table->setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                            QAbstractItemView::AnyKeyPressed
                                      : QAbstractItemView::NoEditTriggers);
    EnableRowActions();
}

void ChannelTablePanel::EnableRowActions() {
    const bool shown = !isHidden();
    for (QAction* action : m_rowActions) action->setEnabled(shown && (m_editable || action == m_rowActions.first()));
}

void ChannelTablePanel::ShowContextMenu(const QPoint& at) {
    if (!m_editable) return;
    QMenu menu(this);
    menu.addActions(m_rowActions);
    const QModelIndex cell = m_table->indexAt(at);
    const std::vector<int> channels = SelectedChannels();
    if (cell.isValid() && channels.size() > 1) {
        // The clicked cell's value, or any entry of a yes/no or power list.
        QStringList values{cell.data(Qt::EditRole).toString()};
        const QStringList choices = cell.data(ChannelTableModel::kChoicesRole).toStringList();
        if (choices.size() == 2) values = choices;
        menu.addSeparator();
        for (const QString& value : values) {
            QAction* set = menu.addAction(Tr(m_profile.tableView.setOnSelected).arg(value));
            connect(set, &QAction::triggered, this, [this, column = cell.column(), channels, value] {
                m_model->SetOnChannels(column, channels, value);
            });
        }
    }
    menu.exec(m_table->viewport()->mapToGlobal(at));
}

void ChannelTablePanel::TakeImage(const RadioImage& image, const std::vector<int>& select, RowCommand command) {
    if (!m_document.TakeRowsImage(image, command)) return;
    SelectChannels(select);
    ShowChannel(m_document.CurrentChannel());
}

void ChannelTablePanel::SelectChannels(const std::vector<int>& channels) {
    if (channels.empty()) return;
    QItemSelection selection;
    for (const int c : channels) selection.select(m_model->index(c, 0), m_model->index(c, m_model->columnCount() - 1));
    const int column = std::max(0, m_table->currentIndex().column());
    m_table->selectionModel()->setCurrentIndex(m_model->index(channels.front(), column), QItemSelectionModel::NoUpdate);
    m_table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (channels.front() != m_document.CurrentChannel()) ShowChannel(channels.front());
}

void ChannelTablePanel::ShowChannel(int channel) {
    if (channel < 0 || channel >= kChannelCount) return;
    // Another channel becomes current and the form follows it; the current
    // one is shown anew with what the image now holds.
    if (channel != m_document.CurrentChannel())
        m_document.SetCurrentChannel(channel);
    else
        m_view.ShowChannel(channel);
}

void ChannelTablePanel::FollowForm(int channel) {
    if (channel < 0 || channel >= kChannelCount || m_table->currentIndex().row() == channel) return;
    m_followingForm = true;
    const int column = std::max(0, m_table->currentIndex().column());
    m_table->selectionModel()->setCurrentIndex(m_model->index(channel, column),
                                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(m_model->index(channel, column));
    m_followingForm = false;
}

void ChannelTablePanel::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    // The cells' widths are known once the table is laid out.
    if (!m_columnsFitted) {
        m_columnsFitted = true;
        m_table->resizeColumnsToContents();
    }
    if (m_table->currentIndex().isValid()) m_table->scrollTo(m_table->currentIndex());
}

int ChannelTablePanel::PreferredWidth() const {
    int width = m_table->verticalHeader()->sizeHint().width() + m_table->verticalScrollBar()->sizeHint().width() +
                2 * m_table->frameWidth();
    for (int c = 0; c < m_model->columnCount(); ++c)
        width += std::max(static_cast<const QAbstractItemView*>(m_table)->sizeHintForColumn(c),
                          m_table->horizontalHeader()->sectionSizeHint(c));
    return width;
}

void ChannelTablePanel::SaveColumns(QSettings& settings) const {
    settings.setValue(kColumnsKey, m_table->horizontalHeader()->saveState());
    settings.setValue(kColumnsLanguageKey, CurrentLanguage());
}

void ChannelTablePanel::RestoreColumns(const QSettings& settings) {
    const QByteArray state = settings.value(kColumnsKey).toByteArray();
    // Widths from another language's headers are refitted to this one's.
    if (state.isEmpty() || settings.value(kColumnsLanguageKey).toString() != CurrentLanguage()) return;
    m_table->horizontalHeader()->restoreState(state);
    m_columnsFitted = true;
}

}  // namespace rk
