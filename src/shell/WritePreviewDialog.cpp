#include "WritePreviewDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ModelProfile.h"
#include "Prompts.h"
#include "Texts.h"
#include "TransferReport.h"
#include "TranslatedTexts.h"

namespace rk {
namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// A frequency of 0 is no frequency: the channel's side goes away or comes.
QString ValueOf(const ModelProfile& profile, const ReportTexts& names, const FieldValue& value) {
    if (const auto* frequency = std::get_if<diff::Frequency>(&value); frequency && frequency->count == 0)
        return Tr(profile.preview.empty);
    return Utf8(ValueText(names, value));
}

QString FieldName(const ReportTexts& names, const FieldDifference& d) {
    if (d.field == DiffField::Byte) return Utf8(Fill(names.byteAt, {std::to_string(d.offset)}));
    QString name = QString::fromUtf8(ReportFieldName(names, d.field));
    if (d.shown) name += QStringLiteral(" (") + Utf8(Fill(names.byteAt, {std::to_string(d.offset)})) + QLatin1Char(')');
    return name;
}

}  // namespace

WritePreviewDialog::WritePreviewDialog(const ModelProfile& profile, const TranslatedTexts& texts,
                                       const std::vector<FieldDifference>& differences, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("writePreview"));
    const ReportTexts& names = texts.Report();
    const QString change = Tr(profile.backups.change);
    m_heading = Tr(profile.preview.heading).arg(differences.size());
    auto* heading = new QLabel(m_heading, this);
    heading->setObjectName(QStringLiteral("previewHeading"));

    m_changes = new QTreeWidget(this);
    m_changes->setObjectName(QStringLiteral("previewChanges"));
    m_changes->setHeaderHidden(true);
    m_changes->setRootIsDecorated(false);
    m_changes->setSelectionMode(QAbstractItemView::NoSelection);
    QTreeWidgetItem* group = nullptr;
    int groupChannel = -1;
    for (const FieldDifference& d : differences) {
        const QString line = change.arg(FieldName(names, d), ValueOf(profile, names, d.before), ValueOf(profile, names, d.after));
        if (d.channel < 0) {
            new QTreeWidgetItem(m_changes, {line});
            m_lines << line;
            group = nullptr;
            continue;
        }
        if (!group || d.channel != groupChannel) {
            group = new QTreeWidgetItem(m_changes, {Utf8(ChannelText(names, d.channel))});
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
            groupChannel = d.channel;
            m_lines << group->text(0);
        }
        new QTreeWidgetItem(group, {line});
        m_lines << QStringLiteral("    ") + line;
    }
    m_changes->expandAll();
    m_changes->setItemsExpandable(false);
    m_changes->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* write = buttons->addButton(Tr(profile.preview.write), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(Tr(profile.preview.cancel), QDialogButtonBox::RejectRole);
    write->setObjectName(QStringLiteral("previewWrite"));
    cancel->setObjectName(QStringLiteral("previewCancel"));
    write->setAutoDefault(false);
    cancel->setDefault(true);
    cancel->setFocus();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_changes, 1);
    layout->addWidget(buttons);
    resize(560, 460);
}

bool ConfirmWrite(const ModelProfile& profile, const TranslatedTexts& texts,
                  const std::vector<FieldDifference>& differences) {
    Prompts& prompts = Prompts::Current();
    if (differences.empty())
        return prompts.AskChoice(Tr(profile.preview.same), Tr(profile.preview.write), Tr(profile.preview.cancel));
    WritePreviewDialog dialog(profile, texts, differences, prompts.DialogParent());
    dialog.setWindowTitle(prompts.DialogCaption());
    return prompts.AskInDialog(dialog, QStringList(dialog.Heading()) + dialog.Lines());
}

}  // namespace rk
