#pragma once
// The interface languages of a program: its own, and one more for each
// translation built into it as ":/i18n/<program>_<code>.qm" (compiled from
// the model's translations/<program>_<code>.ts), so that a language is added
// by adding its .ts file. A run speaks the language --lang names when the
// program has it, otherwise the one chosen in the View menu and kept in the
// settings, otherwise its own.

#include <QList>
#include <QString>

class QCoreApplication;

namespace rk {

struct ModelProfile;

struct Language {
    QString code;  // "zh", "ru", "en"
    QString name;  // in that language: "中文", "English"
};

// The program's own language first, then the translations in code order.
QList<Language> AvailableLanguages(const ModelProfile& profile);

// The language kept for the next start, or the program's own.
QString ChosenLanguage(const ModelProfile& profile);
void KeepLanguage(const ModelProfile& profile, const QString& code);

// The language a run starts in; `requested` comes from --lang and may be
// empty (the kept choice) or a language the program does not have (its own).
QString StartLanguage(const ModelProfile& profile, const QString& requested);
bool HasLanguage(const ModelProfile& profile, const QString& code);

// The language InstallLanguage installed last.
QString CurrentLanguage();

// Makes Qt's standard dialogs and the program's own texts speak `code`,
// replacing the translators of an earlier call.
void InstallLanguage(QCoreApplication& app, const ModelProfile& profile, const QString& code);

}  // namespace rk
