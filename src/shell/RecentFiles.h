#pragma once
// The list of the four most recently used image files, newest first, and the
// folder of the last one, kept in the per-user settings under the program's
// own section.

#include <QString>
#include <QStringList>

namespace rk {

class RecentFiles {
public:
    static constexpr int kMaxEntries = 4;

    // Kept in the settings of the program named `program` (SettingsLocation.h).
    explicit RecentFiles(const char* program);

    const QStringList& Entries() const { return m_entries; }
    // The folder of the file added last, kept beside the list; may be empty.
    const QString& LastFolder() const { return m_lastFolder; }
    // Moves or adds the file to the front; the oldest entry drops off. Its
    // folder becomes the last folder.
    void Add(const QString& path);
    void Remove(const QString& path);
    // Writes the list to the settings store.
    void Save() const;

private:
    void Load();
    const char* m_program;
    QStringList m_entries;
    QString m_lastFolder;
};

}  // namespace rk
