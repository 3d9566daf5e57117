#pragma once
// The backups the program kept from the radio, newest first: when, what kind,
// how many channels, and how each compares with the document. Choosing one
// lists its differences by field; Open hands its file back to the caller,
// which opens it as Open does. The other program's backups show only when
// the user asks, as their images share this layout.

#include <QDialog>
#include <QStringList>
#include <functional>
#include <vector>

#include "BackupCatalogue.h"
#include "ImageDiff.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace rk {

struct ModelProfile;

class BackupsDialog : public QDialog {
    Q_OBJECT
public:
    // Lines for the differences of a backup from the document, worded by the
    // caller: "field: in the document → in the backup".
    using Wording = std::function<QStringList(const std::vector<FieldDifference>&)>;

    BackupsDialog(const ModelProfile& profile, const RadioImage& document, Wording wording,
                  QWidget* parent = nullptr);

    // The file of the backup chosen with Open.
    QString ChosenPath() const { return m_chosen; }

    QTreeWidget* List() const { return m_list; }
    QCheckBox* ShowOther() const { return m_showOther; }
    QPlainTextEdit* Details() const { return m_details; }
    QPushButton* OpenButton() const { return m_open; }

private:
    void Fill();
    void ShowSelected();
    QString KindText(const BackupEntry& entry) const;
    QString ComparedText(const BackupEntry& entry) const;

    const ModelProfile& m_profile;
    const RadioImage& m_document;
    Wording m_wording;
    std::vector<BackupEntry> m_entries;
    QString m_chosen;
    QTreeWidget* m_list;
    QCheckBox* m_showOther;
    QPlainTextEdit* m_details;
    QPushButton* m_open;
};

}  // namespace rk
