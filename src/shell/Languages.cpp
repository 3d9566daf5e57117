#include "Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>
#include <functional>

#include "ModelProfile.h"
#include "ProgramShell.h"
#include "SettingsLocation.h"

namespace rk {

namespace {

const QString kTranslationDir = QStringLiteral(":/i18n");
const QString kSettingsKey = QStringLiteral("Settings/Language");
const QString kTranslatorName = QStringLiteral("rk-interface-language");
QString g_current;

QLocale NativeLocale(const ModelProfile& profile) { return QLocale(QString::fromLatin1(profile.language)); }

QString NativeCode(const ModelProfile& profile) { return QLocale::languageToCode(NativeLocale(profile).language()); }

QString TranslationFile(const ModelProfile& profile, const QString& code) {
    return QStringLiteral("%1/%2_%3.qm").arg(kTranslationDir, QString::fromLatin1(profile.rules.programName), code);
}

bool IsAvailable(const ModelProfile& profile, const QString& code) {
    const QList<Language> languages = AvailableLanguages(profile);
    return std::any_of(languages.begin(), languages.end(), [&](const Language& l) { return l.code == code; });
}

}  // namespace

QList<Language> AvailableLanguages(const ModelProfile& profile) {
    QList<Language> languages{{NativeCode(profile), QString::fromUtf8(profile.menu.languageName)}};
    const QString prefix = QString::fromLatin1(profile.rules.programName) + QLatin1Char('_');
    const QStringList files = QDir(kTranslationDir).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString code = file.mid(prefix.size()).chopped(3);
        // Each translation names its language as the translation of the
        // program's own language name.
        QTranslator translator;
        QString name;
        if (translator.load(TranslationFile(profile, code)))
            name = translator.translate(profile.rules.programName, profile.menu.languageName);
        if (name.isEmpty()) name = QLocale(code).nativeLanguageName();
        languages.append({code, name});
    }
    return languages;
}

QString ChosenLanguage(const ModelProfile& profile) {
    const QString kept = ProgramSettings(profile.shell.programTitle).value(kSettingsKey).toString();
    return IsAvailable(profile, kept) ? kept : NativeCode(profile);
}

void KeepLanguage(const ModelProfile& profile, const QString& code) {
    ProgramSettings(profile.shell.programTitle).setValue(kSettingsKey, code);
}

QString StartLanguage(const ModelProfile& profile, const QString& requested) {
    if (requested.isEmpty()) return ChosenLanguage(profile);
    return IsAvailable(profile, requested) ? requested : NativeCode(profile);
}

bool HasLanguage(const ModelProfile& profile, const QString& code) { return IsAvailable(profile, code); }

QString CurrentLanguage() { return g_current; }

void InstallLanguage(QCoreApplication& app, const ModelProfile& profile, const QString& code) {
    for (QTranslator* old : app.findChildren<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    g_current = code;
    const bool native = code == NativeCode(profile);
    const QLocale locale = native ? NativeLocale(profile) : QLocale(code);
    QLocale::setDefault(locale);

    const auto install = [&app](const std::function<bool(QTranslator&)>& load) {
        auto* translator = new QTranslator(&app);
        translator->setObjectName(kTranslatorName);
        if (load(*translator))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    };
    // Qt's own dialogs and buttons; English needs none.
    install([&](QTranslator& t) {
        return t.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
    if (!native) install([&](QTranslator& t) { return t.load(TranslationFile(profile, code)); });
}

}  // namespace rk
