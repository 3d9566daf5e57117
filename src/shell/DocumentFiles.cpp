#include "DocumentFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include "ImageFile.h"
#include "Prompts.h"
#include "Texts.h"

namespace rk {

DocumentFiles::DocumentFiles(RadioDocument& document, const ModelProfile& profile, QObject* parent)
    : QObject(parent), m_document(document), m_profile(profile) {
    m_modifiedListener = m_document.modifiedChanged.Add([this](bool) { emit TitleChanged(); });
}

QString DocumentFiles::DisplayName() const {
    return m_path.isEmpty() ? Tr(m_profile.shell.untitledName) : QFileInfo(m_path).fileName();
}

QString DocumentFiles::Filter() const { return Tr(m_profile.documentType.filterName); }

QString DocumentFiles::OpenFilter() const {
    const auto& type = m_profile.documentType;
    return QStringList{Tr(type.bothTypesFilter), Tr(type.filterName), Tr(type.otherTypeFilter),
                       Tr(type.allFilesFilter)}
        .join(QStringLiteral(";;"));
}

QString DocumentFiles::StartFolder() const {
    const QString documentFolder = m_path.isEmpty() ? QString() : QFileInfo(m_path).absolutePath();
    for (const QString& folder : {documentFolder, m_lastFolder}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    }
    return QDir::homePath();
}

void DocumentFiles::SetPath(const QString& path) {
    m_path = QFileInfo(path).absoluteFilePath();
    m_lastFolder = QFileInfo(m_path).absolutePath();
}

bool DocumentFiles::ConfirmDiscard() {
    if (!m_document.IsModified()) return true;
    const QString question = Tr(m_profile.shell.saveChangesQuestion).arg(DisplayName());
    switch (Prompts::Current().AskSaveChanges(question)) {
    case SaveChoice::Save: return Save();
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: return false;
    }
    return false;
}

bool DocumentFiles::New() {
    if (!ConfirmDiscard()) return false;
    if (!m_document.OnNewDocument()) return false;
    m_path.clear();
    emit TitleChanged();
    emit DocumentReplaced();
    return true;
}

bool DocumentFiles::Open(const QString& path) {
    if (!ConfirmDiscard()) return false;
    return Load(path);
}

bool DocumentFiles::OpenWithDialog() {
    if (!ConfirmDiscard()) return false;
    const QString path = Prompts::Current().AskOpenFileName(StartFolder(), OpenFilter());
    return !path.isEmpty() && Load(path);
}

std::optional<RadioImage> DocumentFiles::ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowFileMessage(m_profile.shell.cannotOpenFile, path);
        return std::nullopt;
    }
    // Only the first 1089 bytes count; a huge file is never read whole.
    const QByteArray contents = file.read(static_cast<qint64>(kImageFileSize));
    auto image = ParseImageFile(std::span(reinterpret_cast<const std::uint8_t*>(contents.constData()),
                                          static_cast<std::size_t>(contents.size())));
    if (!image) ShowFileMessage(m_profile.shell.unexpectedFormat, path);
    return image;
}

bool DocumentFiles::Load(const QString& path) {
    const auto image = ReadFile(path);
    if (!image) return false;
    m_document.LoadImage(*image);
    SetPath(path);
    emit TitleChanged();
    emit FileUsed(m_path);
    emit DocumentReplaced();
    return true;
}

bool DocumentFiles::OpenCopy(const QString& path) {
    if (!ConfirmDiscard()) return false;
    const auto image = ReadFile(path);
    if (!image) return false;
    m_document.LoadImage(*image);
    m_path.clear();
    emit TitleChanged();
    emit DocumentReplaced();
    return true;
}

bool DocumentFiles::Save() {
    if (m_path.isEmpty()) return SaveAs();
    return SaveTo(m_path);
}

bool DocumentFiles::SaveAs() {
    const QString newName = Tr(m_profile.documentType.newFileName) + Tr(m_profile.rules.extension);
    const QString suggested = m_path.isEmpty() ? QDir(StartFolder()).filePath(newName) : m_path;
    QString path = Prompts::Current().AskSaveFileName(suggested, Filter());
    if (path.isEmpty()) return false;
    const QString extension = Tr(m_profile.rules.extension);
    if (QFileInfo(path).suffix().isEmpty()) path += extension;
    return SaveTo(path);
}

bool DocumentFiles::SaveTo(const QString& path) {
    const auto bytes = SerializeImageFile(m_document.Image());
    // Written to a temporary file and renamed over the old one only when
    // complete, so a failed save leaves the previous file intact. Where the
    // folder takes no new file but the file itself is writable, the file is
    // written in place instead.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) ==
                             static_cast<qint64>(bytes.size()) &&
                         file.commit();
    if (!written) {
        file.cancelWriting();
        ShowFileMessage(m_profile.shell.cannotWriteFile, path);
        return false;
    }
    SetPath(path);
    m_document.MarkSaved();
    emit TitleChanged();
    emit FileUsed(m_path);
    return true;
}

void DocumentFiles::ShowFileMessage(const char* text, const QString& path) {
    Prompts::Current().ShowMessage(Tr(text).arg(QDir::toNativeSeparators(path)));
}

}  // namespace rk
