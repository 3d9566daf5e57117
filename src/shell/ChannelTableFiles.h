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
struct ChannelTableImport;
struct TableProblem;
struct ChannelTableImport;

// Lists a table's refused rows, as the import shows them, and asks whether to
// take the valid ones; tells when none is left. True when the result's image
// is to be taken.
bool AcceptTableRows(const ModelProfile& profile, const ChannelTableImport& result);
// One refused row or cell, as the import lists it.
QString TableProblemText(const ModelProfile& profile, const TableProblem& problem);

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
    // The count, then what the pre-write check would refuse in the result,
    // the columns the table lacked and the names not kept, in a message
    // when there is any of these.
    void ShowImportSummary(const ChannelTableImport& result);

    const ModelProfile& m_profile;
    DocumentFiles& m_files;
    FormView& m_view;
};

}  // namespace rk
