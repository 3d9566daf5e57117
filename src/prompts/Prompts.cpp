#include "Prompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace rk {
namespace {

QPointer<QWidget> g_parent;
QString g_caption;

class DialogPrompts final : public Prompts {
public:
    void ShowMessage(const QString& text, MessageKind kind) override {
        const auto icon = kind == MessageKind::Info ? QMessageBox::Information : QMessageBox::Warning;
        QMessageBox box(icon, g_caption, text, QMessageBox::Ok, g_parent.data());
        box.exec();
    }

    SaveChoice AskSaveChanges(const QString& question) override {
        QMessageBox box(QMessageBox::Question, g_caption, question,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, g_parent.data());
        box.setDefaultButton(QMessageBox::Save);
        switch (box.exec()) {
        case QMessageBox::Save: return SaveChoice::Save;
        case QMessageBox::Discard: return SaveChoice::Discard;
        default: return SaveChoice::Cancel;
        }
    }

    bool AskYesNo(const QString& question) override {
        QMessageBox box(QMessageBox::Question, g_caption, question, QMessageBox::Yes | QMessageBox::No, g_parent.data());
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }

    bool AskChoice(const QString& question, const QString& accept, const QString& reject) override {
        QMessageBox box(QMessageBox::Question, g_caption, question, QMessageBox::NoButton, g_parent.data());
        QPushButton* yes = box.addButton(accept, QMessageBox::AcceptRole);
        QPushButton* no = box.addButton(reject, QMessageBox::RejectRole);
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes;
    }

    bool ShowMessageWithAction(const QString& text, MessageKind kind, const QString& action) override {
        const auto icon = kind == MessageKind::Info ? QMessageBox::Information : QMessageBox::Warning;
        QMessageBox box(icon, g_caption, text, QMessageBox::Ok, g_parent.data());
        QPushButton* chosen = box.addButton(action, QMessageBox::ActionRole);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        return box.clickedButton() == chosen;
    }

    bool AskInDialog(QDialog& dialog, const QStringList&) override { return dialog.exec() == QDialog::Accepted; }

    QString AskOpenFileName(const QString& folder, const QString& filter) override {
        return QFileDialog::getOpenFileName(g_parent.data(), QString(), folder, filter);
    }

    QString AskSaveFileName(const QString& suggestedPath, const QString& filter) override {
        return QFileDialog::getSaveFileName(g_parent.data(), QString(), suggestedPath, filter);
    }
};

DialogPrompts g_dialogs;
Prompts* g_installed = nullptr;

}  // namespace

Prompts& Prompts::Current() { return g_installed ? *g_installed : g_dialogs; }

void Prompts::Install(Prompts* prompts) { g_installed = prompts; }

void Prompts::SetDialogContext(QWidget* parent, const QString& caption) {
    g_parent = parent;
    g_caption = caption;
}

}  // namespace rk

namespace rk {

QWidget* Prompts::DialogParent() { return g_parent.data(); }

QString Prompts::DialogCaption() { return g_caption; }

}  // namespace rk
