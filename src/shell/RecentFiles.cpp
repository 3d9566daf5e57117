#include "RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

#include "SettingsLocation.h"

namespace rk {
namespace {

const char* const kSection = "Recent File List";
const char* const kLastFolderKey = "Settings/Last Folder";

QString Key(int i) { return QStringLiteral("File%1").arg(i + 1); }

// Two spellings of one file count as the same entry.
QString Canonical(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

}  // namespace

RecentFiles::RecentFiles(const char* program) : m_program(program) {
    Load();
}

void RecentFiles::Add(const QString& path) {
    const QString entry = Canonical(path);
    m_entries.removeAll(entry);
    m_entries.prepend(entry);
    while (m_entries.size() > kMaxEntries) m_entries.removeLast();
    m_lastFolder = QFileInfo(entry).absolutePath();
    Save();
}

void RecentFiles::Remove(const QString& path) {
    m_entries.removeAll(Canonical(path));
    Save();
}

void RecentFiles::Load() {
    QSettings settings = ProgramSettings(m_program);
    m_lastFolder = settings.value(QString::fromLatin1(kLastFolderKey)).toString();
    settings.beginGroup(kSection);
    for (int i = 0; i < kMaxEntries; ++i) {
        const QString path = settings.value(Key(i)).toString();
        if (!path.isEmpty() && !m_entries.contains(path)) m_entries.append(path);
    }
}

void RecentFiles::Save() const {
    QSettings settings = ProgramSettings(m_program);
    if (!m_lastFolder.isEmpty()) settings.setValue(QString::fromLatin1(kLastFolderKey), m_lastFolder);
    settings.beginGroup(kSection);
    for (int i = 0; i < kMaxEntries; ++i) {
        if (i < m_entries.size())
            settings.setValue(Key(i), m_entries[i]);
        else
            settings.remove(Key(i));
    }
}

}  // namespace rk
