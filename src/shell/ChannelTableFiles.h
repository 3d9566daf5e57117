#pragma once
// The file menu's channel table commands: the configured channels out to a
// CSV file, and a CSV file's channels into the document, with the table's
// problems shown in the model's language.

#include <QObject>
#include <QString>

#include "ModelProfile.h"

namespace rk {

class DocumentFiles;
class FormView;
struct TableProblem;
struct ChannelTableImport;

class ChannelTableFiles : public QObject {
    Q_OBJECT
public:
    ChannelTableFiles(const ModelProfile& profile, DocumentFiles& files, FormView& view, QObject* parent = nullptr);

    // Each asks for the file; false when cancelled, refused or failed.
    bool Export();
    bool Import();

signals:
    // What an export or import did, for the status bar.
    void Summary(const QString& text);

private:
    QString ProblemText(const TableProblem& problem) const;
    // The count, then what the pre-write check would refuse in the result,
    // the columns the table lacked and the names not kept, in a message
    // when there is any of these.
    void ShowImportSummary(const ChannelTableImport& result);

    const ModelProfile& m_profile;
    DocumentFiles& m_files;
    FormView& m_view;
};

}  // namespace rk
