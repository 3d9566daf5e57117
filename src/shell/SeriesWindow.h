#pragma once
// The window of a series of writes, over the main window and not modal: the
// image and the options it is written with, a row for every radio tried
// (its number, time, port, result, the fields the write changed and its
// backup; the radio in progress shows its phase and block), Stop, and what
// comes next: "Write next radio" (the default, so Enter starts it) and
// "Finish", and after a failure "Retry this radio" (then the default) and
// "Next radio". Esc stops a radio in progress as in a single write. At the
// end it offers to open the series' log.

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace rk {

class TransferCommands;
class TranslatedTexts;
class WriteSeries;
struct ModelProfile;
struct SeriesRadio;
struct TransferStep;

class SeriesWindow : public QDialog {
    Q_OBJECT
public:
    // `imageName` and `channelsInUse` describe the image the series writes.
    SeriesWindow(const ModelProfile& profile, TransferCommands& commands, WriteSeries& series,
                 const QString& imageName, int channelsInUse, QWidget* parent = nullptr);

    QTreeWidget* Rows() const { return m_rows; }
    QLabel* ImageLine() const { return m_image; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* RetryButton() const { return m_retry; }
    QPushButton* FinishButton() const { return m_finish; }
    QPushButton* StopButton() const { return m_stop; }

    // The main window closes: the series ends without the offer of its log.
    void EndQuietly();

    enum Column { kRadio, kTime, kPort, kResult, kFields, kBackup, kColumns };

protected:
    // Esc: stops the radio in progress, with the question while a block is
    // going out; it never ends the series.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void AddOptions(QWidget* box);
    void AddRow(int radio);
    void ShowStep(const TransferStep& step);
    void ShowAttempt(QTreeWidgetItem* row, const SeriesRadio& attempt);
    void OnRadioFinished(const SeriesRadio& attempt);
    void OnFinished();
    void OfferLog();
    // Stops a radio in progress first; false when the user let it go on.
    bool StopRadio();
    void Finish();
    void RefreshButtons();

    const ModelProfile& m_profile;
    const TranslatedTexts& m_texts;
    WriteSeries& m_series;
    TransferCommands& m_commands;
    QLabel* m_image;
    QTreeWidget* m_rows;
    QPushButton* m_stop;
    QPushButton* m_retry;
    QPushButton* m_next;
    QPushButton* m_finish;
    QTreeWidgetItem* m_inProgress = nullptr;
    bool m_lastFailed = false;
    bool m_quiet = false;
    bool m_logProblemShown = false;
};

}  // namespace rk
