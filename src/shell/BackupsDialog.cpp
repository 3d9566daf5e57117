#include "BackupsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ModelProfile.h"
#include "Texts.h"

namespace rk {

BackupsDialog::BackupsDialog(const ModelProfile& profile, const RadioImage& document, Wording wording,
                             QWidget* parent)
    : QDialog(parent), m_profile(profile), m_document(document), m_wording(std::move(wording)) {
    const BackupListTexts& texts = profile.backups;
    setObjectName(QStringLiteral("backups"));
    setWindowTitle(Tr(texts.title));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("backupList"));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHeaderLabels({Tr(texts.timeColumn), Tr(texts.kindColumn), Tr(texts.channelsColumn),
                             Tr(texts.comparedColumn)});
    m_list->setAccessibleName(Tr(texts.title));
    m_showOther = new QCheckBox(Tr(texts.showOther), this);
    m_details = new QPlainTextEdit(this);
    m_details->setReadOnly(true);
    m_details->setAccessibleName(Tr(texts.comparedColumn));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_open = buttons->addButton(Tr(texts.open), QDialogButtonBox::AcceptRole);
    m_open->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 3);
    layout->addWidget(m_showOther);
    layout->addWidget(m_details, 2);
    layout->addWidget(buttons);
    resize(640, 480);

    connect(m_showOther, &QCheckBox::toggled, this, &BackupsDialog::Fill);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &BackupsDialog::ShowSelected);
    connect(m_list, &QTreeWidget::itemActivated, m_open, &QPushButton::click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_open, &QPushButton::clicked, this, [this] {
        const int row = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
        if (row < 0 || !m_entries[static_cast<std::size_t>(row)].image) return;
        m_chosen = m_entries[static_cast<std::size_t>(row)].path;
        accept();
    });
    Fill();
}

void BackupsDialog::Fill() {
    std::vector<BackupSource> sources{
        {QString::fromUtf8(m_profile.rules.programName), QString::fromUtf8(m_profile.rules.extension)}};
    if (m_showOther->isChecked())
        sources.push_back({QString::fromUtf8(m_profile.backups.otherProgram),
                           QString::fromUtf8(m_profile.backups.otherExtension)});
    m_entries = ListBackups(sources);
    m_list->clear();
    for (const BackupEntry& entry : m_entries) {
        const QString channels = entry.image ? QString::number(entry.configuredChannels) : QString();
        auto* item = new QTreeWidgetItem(
            m_list, {BackupTimeText(entry), KindText(entry), channels, ComparedText(entry)});
        item->setToolTip(0, QDir::toNativeSeparators(entry.path));
    }
    for (int column = 0; column < m_list->columnCount(); ++column) m_list->resizeColumnToContents(column);
    m_details->clear();
    m_open->setEnabled(false);
}

void BackupsDialog::ShowSelected() {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    const int row = selected.isEmpty() ? -1 : m_list->indexOfTopLevelItem(selected.first());
    if (row < 0) {
        m_details->clear();
        m_open->setEnabled(false);
        return;
    }
    const BackupEntry& entry = m_entries[static_cast<std::size_t>(row)];
    m_open->setEnabled(entry.image.has_value());
    QString text = QDir::toNativeSeparators(entry.path);
    if (entry.image) {
        const QStringList lines = m_wording(CompareImages(m_document, *entry.image));
        if (!lines.isEmpty()) text += QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
    }
    m_details->setPlainText(text);
}

QString BackupsDialog::KindText(const BackupEntry& entry) const {
    const BackupListTexts& texts = m_profile.backups;
    if (!entry.kind) return QString();
    // A radio of a series: which series and which radio; the read-back
    // copy says so after them.
    if (entry.series) {
        const QString start = entry.series->start.toString(QStringLiteral("HH:mm:ss"));
        const char* format = *entry.kind == BackupKind::Verify ? texts.kindSeriesVerify : texts.kindSeries;
        return Tr(format).arg(start).arg(entry.series->radio);
    }
    switch (*entry.kind) {
    case BackupKind::Read: return Tr(texts.kindRead);
    case BackupKind::BeforeWrite: return Tr(texts.kindBeforeWrite);
    case BackupKind::Verify: return Tr(texts.kindVerify);
    }
    return QString();
}

QString BackupsDialog::ComparedText(const BackupEntry& entry) const {
    const BackupListTexts& texts = m_profile.backups;
    if (!entry.image) return Tr(texts.unreadable);
    const auto differences = CompareImages(m_document, *entry.image);
    return differences.empty() ? Tr(texts.sameAsDocument) : Tr(texts.differences).arg(differences.size());
}

}  // namespace rk
