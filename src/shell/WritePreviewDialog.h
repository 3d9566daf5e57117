#pragma once
// The look at what a write will change, between the backup and the write: a
// heading that counts the changed fields, every change in a scrollable list
// grouped by channel (a frequency that goes away reads "(empty)"), and Write
// and Cancel, Cancel the default. Asked through the prompts seam, so that
// tests answer it without a dialog appearing.

#include <QDialog>
#include <QStringList>
#include <vector>

#include "ImageDiff.h"

class QTreeWidget;

namespace rk {

class TranslatedTexts;
struct ModelProfile;

class WritePreviewDialog : public QDialog {
    Q_OBJECT
public:
    WritePreviewDialog(const ModelProfile& profile, const TranslatedTexts& texts,
                       const std::vector<FieldDifference>& differences, QWidget* parent = nullptr);

    QString Heading() const { return m_heading; }
    // The list's lines as shown, a change under its channel indented.
    QStringList Lines() const { return m_lines; }
    QTreeWidget& Changes() const { return *m_changes; }

private:
    QString m_heading;
    QStringList m_lines;
    QTreeWidget* m_changes;
};

// True when the user chose to write. A radio that already holds the image
// is asked about in a plain question.
bool ConfirmWrite(const ModelProfile& profile, const TranslatedTexts& texts,
                  const std::vector<FieldDifference>& differences);

}  // namespace rk
