#include "SeriesWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ModelProfile.h"
#include "Prompts.h"
#include "SeriesWording.h"
#include "Texts.h"
#include "TransferCommands.h"
#include "TransferPresenter.h"
#include "TransferSession.h"
#include "WriteSeries.h"

namespace rk {
namespace {

// "完成" and "Готово" are also the idle status of a model: marked apart.
constexpr const char* kSeriesText = "series";

QString TimeText(const QDateTime& time) { return time.toString(QStringLiteral("HH:mm:ss")); }

QPushButton* Button(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    // Enter goes to the one default button, wherever the focus is.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

SeriesWindow::SeriesWindow(const ModelProfile& profile, TransferCommands& commands, WriteSeries& series,
                           const QString& imageName, int channelsInUse, QWidget* parent)
    : QDialog(parent), m_profile(profile), m_texts(commands.Texts()), m_series(series), m_commands(commands) {
    const SeriesTexts& t = profile.series;
    setObjectName(QStringLiteral("series"));
    setWindowTitle(Tr(t.title));
    setModal(false);
    m_image = new QLabel(Tr(t.image).arg(imageName).arg(channelsInUse), this);
    auto* options = new QWidget(this);
    AddOptions(options);

    m_rows = new QTreeWidget(this);
    m_rows->setObjectName(QStringLiteral("seriesRows"));
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(false);
    m_rows->setSelectionMode(QAbstractItemView::NoSelection);
    m_rows->setHeaderLabels({Tr(t.radioColumn), Tr(t.timeColumn), Tr(t.portColumn), Tr(t.resultColumn),
                             Tr(t.fieldsColumn), Tr(t.backupColumn)});
    m_rows->setAccessibleName(Tr(t.title));

    m_stop = Button(Tr(profile.shell.stop), this);
    m_retry = Button(Tr(t.retry), this);
    m_next = Button(Tr(t.writeNext), this);
    m_finish = Button(Tr(t.finish, kSeriesText), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_stop);
    buttons->addStretch();
    buttons->addWidget(m_retry);
    buttons->addWidget(m_next);
    buttons->addWidget(m_finish);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_image);
    layout->addWidget(options);
    layout->addWidget(m_rows, 1);
    layout->addLayout(buttons);
    resize(760, 380);

    connect(m_stop, &QPushButton::clicked, this, [this] { StopRadio(); });
    connect(m_retry, &QPushButton::clicked, this, [this] { m_series.Retry(); });
    connect(m_next, &QPushButton::clicked, this, [this] { m_series.WriteNext(); });
    connect(m_finish, &QPushButton::clicked, this, &SeriesWindow::Finish);
    connect(&series, &WriteSeries::radioStarted, this, &SeriesWindow::AddRow);
    connect(&series, &WriteSeries::radioFinished, this, &SeriesWindow::OnRadioFinished);
    connect(&series, &WriteSeries::finished, this, &SeriesWindow::OnFinished);
    connect(&series, &WriteSeries::logFailed, this, [this](const QString& path, const QString& reason) {
        if (m_logProblemShown) return;
        m_logProblemShown = true;
        Prompts::Current().ShowMessage(
            Tr(m_profile.series.logFailed).arg(QDir::toNativeSeparators(path), reason));
    });
    connect(&commands.Session(), &TransferSession::stepStarted, this, &SeriesWindow::ShowStep);

    // The first radio began with the series, before this window.
    for (const SeriesRadio& attempt : series.Attempts()) {
        AddRow(attempt.radio);
        OnRadioFinished(attempt);
    }
    if (series.IsWriting()) AddRow(series.Radio());
    RefreshButtons();
}

void SeriesWindow::AddOptions(QWidget* box) {
    const WriteOptions options = m_commands.Options();
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto add = [box, layout](const QString& text, bool on) {
        auto* option = new QCheckBox(text, box);
        option->setChecked(on);
        option->setEnabled(false);  // the series keeps the options it began with
        layout->addWidget(option);
    };
    add(Tr(m_profile.menu.operationBackup), options.backupFirst);
    add(Tr(m_profile.menu.operationVerify), options.verifyAfter);
    add(Tr(m_profile.series.previewFirstOnly).arg(Tr(m_profile.preview.command)),
        options.backupFirst && options.previewFirst);
}

void SeriesWindow::AddRow(int radio) {
    m_inProgress = new QTreeWidgetItem(m_rows);
    m_inProgress->setText(kRadio, QString::number(radio));
    m_inProgress->setText(kTime, TimeText(QDateTime::currentDateTime()));
    m_rows->scrollToItem(m_inProgress);
    RefreshButtons();
}

void SeriesWindow::ShowStep(const TransferStep& step) {
    if (!m_inProgress) return;
    m_inProgress->setText(kPort, QString::fromStdString(step.port));
    m_inProgress->setText(kResult, TransferPresenter::StepText(m_profile, step));
}

void SeriesWindow::ShowAttempt(QTreeWidgetItem* row, const SeriesRadio& attempt) {
    row->setText(kRadio, QString::number(attempt.radio));
    row->setText(kTime, TimeText(attempt.start));
    row->setText(kPort, QString::fromStdString(attempt.port));
    row->setText(kResult, SeriesResultText(m_profile, m_texts, attempt));
    row->setText(kFields, attempt.fieldsChanged ? QString::number(*attempt.fieldsChanged) : QString());
    const QString backup = QString::fromStdString(attempt.backup);
    row->setText(kBackup, QFileInfo(backup).fileName());
    row->setToolTip(kBackup, QDir::toNativeSeparators(backup));
}

void SeriesWindow::OnRadioFinished(const SeriesRadio& attempt) {
    QTreeWidgetItem* row = m_inProgress ? m_inProgress : new QTreeWidgetItem(m_rows);
    m_inProgress = nullptr;
    ShowAttempt(row, attempt);
    m_lastFailed = !SeriesRadioDone(attempt);
    for (int column = 0; column < kColumns; ++column) m_rows->resizeColumnToContents(column);
    RefreshButtons();
}

void SeriesWindow::RefreshButtons() {
    const bool busy = m_series.IsWriting();
    m_stop->setEnabled(busy);
    m_next->setEnabled(!busy);
    m_next->setText(m_lastFailed ? Tr(m_profile.series.next) : Tr(m_profile.series.writeNext));
    m_retry->setVisible(m_lastFailed);
    m_retry->setEnabled(!busy);
    // After a failure Enter writes the same radio again.
    (m_lastFailed ? m_retry : m_next)->setDefault(true);
    (m_lastFailed ? m_next : m_retry)->setDefault(false);
}

bool SeriesWindow::StopRadio() {
    if (m_series.IsWriting()) m_commands.Stop();
    return !m_series.IsWriting();
}

void SeriesWindow::Finish() {
    if (!StopRadio()) return;
    m_series.Finish();
}

// The radio in progress is stopped at once, so that its row is logged
// before the port goes.
void SeriesWindow::EndQuietly() {
    m_quiet = true;
    if (m_series.IsWriting()) m_commands.Session().Stop();
    m_series.Finish();
}

void SeriesWindow::reject() { StopRadio(); }

void SeriesWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    Finish();
}

void SeriesWindow::OnFinished() {
    m_inProgress = nullptr;
    if (!m_quiet) OfferLog();
    hide();
    deleteLater();
}

// How many radios the series reached, and how many of them were verified
// in the end.
void SeriesWindow::OfferLog() {
    QSet<int> radios;
    QSet<int> verified;
    for (const SeriesRadio& attempt : m_series.Attempts()) {
        radios.insert(attempt.radio);
        if (attempt.result == SeriesResult::Verified) verified.insert(attempt.radio);
    }
    const QString log = m_series.LogPath();
    const QString text = Tr(m_profile.series.summary)
                             .arg(radios.size())
                             .arg(verified.size())
                             .arg(QDir::toNativeSeparators(log));
    if (Prompts::Current().ShowMessageWithAction(text, MessageKind::Info, Tr(m_profile.series.openLog)))
        m_commands.OpenSeriesLog(log);
}

}  // namespace rk
