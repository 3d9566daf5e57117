#pragma once
// The backup folder: every image read from the radio is kept there as an
// image file of the model's type, named by program, date, time and kind
// ("rk520-20261207-101502-before-write.rkd"). Nothing in it is overwritten;
// a copy that holds the same bytes as the program's newest is not kept
// again, the newest is touched instead; past kMaxFiles backups the oldest
// go. Only the program's own backups count: any other file there stays.
// While a radio of a series is written, its copies are named after the
// series and the radio, and each is kept, however like the newest it is.
// QtCore only.

#include <QFileInfoList>
#include <QString>
#include <optional>

#include "BackupCatalogue.h"
#include "TransferListener.h"

namespace rk {

class BackupStore final : public BackupArchive {
public:
    static constexpr int kMaxFiles = 500;

    // programName as in the rules ("rk520"), extension with its dot.
    BackupStore(const QString& programName, const QString& extension);

    // <user data>/Local AppWizard-Generated Applications/<program>/backups:
    // the programs' AppLocalDataLocation + "/backups", found from the program
    // name alone so that the command line finds the same folder.
    static QString FolderFor(const QString& programName);
    QString Folder() const { return FolderFor(m_program); }

    // Writes the image file, or touches the newest backup when it holds the
    // same bytes and names that. On failure the copy names the file it tried
    // and the system's reason.
    BackupCopy Keep(const RadioImage& image, BackupKind kind) override;

    // The radio of a series the next copies come from; none for a copy of
    // its own.
    void SetSeries(std::optional<BackupSeries> series) { m_series = std::move(series); }

private:
    QString FreeName(const QString& folder, const QString& stem) const;
    // The program's own backups in `folder`, oldest first.
    QFileInfoList OwnBackups(const QString& folder) const;
    void Prune(const QString& folder, const QString& keep) const;

    QString m_program;
    QString m_extension;
    std::optional<BackupSeries> m_series;
};

}  // namespace rk
