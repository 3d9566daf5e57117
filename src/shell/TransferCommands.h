#pragma once
// The operation menu's commands around the clone link: read (asking about
// unsaved changes first), write with the two options the user keeps between
// runs (and the look at what it would change), the same image written to
// several radios in a row, stop (asking first while a write is going out),
// the backup folder and the list of backups.

#include <QObject>
#include <memory>

class QWidget;

#include "CloneTransfer.h"
#include "CloneLink.h"  // WriteRefusal as a signal's argument

namespace rk {

class TransferSession;
class DocumentFiles;
class WriteSeries;
class TranslatedTexts;
struct ModelProfile;

class TransferCommands : public QObject {
    Q_OBJECT
public:
    TransferCommands(const ModelProfile& profile, const TranslatedTexts& texts, TransferSession& session,
                     DocumentFiles& files,
                     QObject* parent = nullptr);
    ~TransferCommands() override;

    // All three on at first start; every change is saved at once. The
    // preview needs the backup, which reads what the radio holds.
    WriteOptions Options() const { return m_options; }
    void SetBackupFirst(bool on);
    void SetVerifyAfter(bool on);
    void SetPreviewFirst(bool on);

    // The port chosen in the menu: the one a model that does not search
    // uses, and the one a searching model tries first. The program's choice
    // for this run: New and Open keep it.
    void SetMenuPort(const QString& name) { m_menuPort = name; }
    const QString& MenuPort() const { return m_menuPort; }

    // Read and Write are ignored while a transfer or a series runs. Write
    // refreshes the document's derived fields and sends its image.
    void Read();
    void Write();
    void Stop();

    // Write to several radios: the document is refreshed and checked as
    // Write does it; a refusal is handed to `seriesRefused`, otherwise the
    // series starts with its first radio and is returned. Null when refused
    // or while a transfer or a series runs.
    WriteSeries* BeginSeries();
    // From BeginSeries until the series has finished.
    bool InSeries() const { return m_inSeries; }
    TransferSession& Session() const { return m_session; }
    const TranslatedTexts& Texts() const { return m_texts; }
    // The series' log handed to the desktop, as the backup folder is.
    void OpenSeriesLog(const QString& path);
    // Creates the folder when needed and hands it to the desktop's file
    // manager.
    void OpenBackupFolder();
    // The list of backups over the window; the one the user opens replaces
    // the document as Open does.
    void ShowBackups(QWidget* window);

signals:
    // The check refused the image a series was to write.
    void seriesRefused(const rk::WriteRefusal& refusal);
    void seriesEnded();

private:
    void SaveOptions() const;
    // The desktop's program for `path`; false when there is none.
    static bool OpenOnDesktop(const QString& path);

    const ModelProfile& m_profile;
    const TranslatedTexts& m_texts;
    TransferSession& m_session;
    DocumentFiles& m_files;
    WriteOptions m_options;
    QString m_menuPort = QStringLiteral("COM1");
    std::unique_ptr<WriteSeries> m_series;
    bool m_inSeries = false;
};

}  // namespace rk
