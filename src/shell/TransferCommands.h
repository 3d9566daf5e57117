#pragma once
// The operation menu's commands around the clone link: read (asking about
// unsaved changes first), write with the two options the user keeps between
// runs, stop (asking first while a write is going out), the backup folder and
// the list of backups.

#include <QObject>

class QWidget;

#include "CloneTransfer.h"

namespace rk {

class CloneLink;
class DocumentFiles;
class TranslatedTexts;
struct ModelProfile;

class TransferCommands : public QObject {
    Q_OBJECT
public:
    TransferCommands(const ModelProfile& profile, const TranslatedTexts& texts, CloneLink& link, DocumentFiles& files,
                     QObject* parent = nullptr);

    // Both on at first start; every change is saved at once.
    WriteOptions Options() const { return m_options; }
    void SetBackupFirst(bool on);
    void SetVerifyAfter(bool on);

    // Read and Write are ignored while a transfer runs.
    void Read();
    void Write();
    void Stop();
    // Creates the folder when needed and hands it to the desktop's file
    // manager.
    void OpenBackupFolder();
    // The list of backups over the window; the one the user opens replaces
    // the document as Open does.
    void ShowBackups(QWidget* window);

private:
    void SaveOptions() const;

    const ModelProfile& m_profile;
    const TranslatedTexts& m_texts;
    CloneLink& m_link;
    DocumentFiles& m_files;
    WriteOptions m_options;
};

}  // namespace rk
