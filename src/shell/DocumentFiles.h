#pragma once
// New, Open, Save and Save As of the one document, with the file name that
// the window title shows and the question about unsaved changes.

#include <QObject>
#include <QString>
#include <optional>

#include "ModelProfile.h"
#include "RadioDocument.h"

namespace rk {

class DocumentFiles : public QObject {
    Q_OBJECT
public:
    DocumentFiles(RadioDocument& document, const ModelProfile& profile, QObject* parent = nullptr);

    RadioDocument& Document() { return m_document; }
    QString FilePath() const { return m_path; }
    // The file name, or the untitled name.
    QString DisplayName() const;
    // The Save dialogs' filter: this model's files.
    QString Filter() const;
    // The Open dialog's filter: both models' files, each model's, all files.
    QString OpenFilter() const;

    // Where the file dialogs start: the current document's folder, else the
    // last folder a file was opened from or saved to, else the home folder.
    QString StartFolder() const;
    // The last folder of an earlier run, from the settings.
    void SetLastFolder(const QString& folder) { m_lastFolder = folder; }

    // When the document has unsaved changes, asks Save / Discard / Cancel.
    // True when the caller may go on (saved or discarded).
    bool ConfirmDiscard();

    // These ask about unsaved changes first; false when cancelled or failed.
    bool New();
    bool Open(const QString& path);
    bool OpenWithDialog();
    // Opens the image of `path` as a new, untitled document: saving it never
    // writes over that file (a backup stays as the radio gave it).
    bool OpenCopy(const QString& path);
    bool Save();
    bool SaveAs();

    // Opens without asking; shows its error and leaves the document as it
    // was when the file cannot be taken.
    bool Load(const QString& path);

signals:
    // The document holds a new or opened image: the view must start over.
    void DocumentReplaced();
    // The file name or the changed state moved: the title must follow.
    void TitleChanged();
    // A file was opened or saved under this name: it goes to the recent list.
    void FileUsed(const QString& path);

private:
    bool SaveTo(const QString& path);
    // The file's image; its message shown when it holds none.
    std::optional<RadioImage> ReadFile(const QString& path);
    void ShowFileMessage(const char* text, const QString& path);
    void SetPath(const QString& path);

    RadioDocument& m_document;
    const ModelProfile& m_profile;
    QString m_path;
    QString m_lastFolder;
    Subscription m_modifiedListener;
};

}  // namespace rk
