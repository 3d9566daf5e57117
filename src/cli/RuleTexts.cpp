#include "RuleTexts.h"

#include <QCoreApplication>
#include <QTranslator>

#include "ModelChoice.h"

namespace rk::cli {

namespace {

// The programs' own English, from the models' translation files.
void LoadEnglish() {
    static const bool loaded = [] {
        for (const char* model : {"rk520", "rk7400"}) {
            auto* translator = new QTranslator(QCoreApplication::instance());
            if (translator->load(QStringLiteral(":/i18n/%1_en.qm").arg(QLatin1String(model))))
                QCoreApplication::installTranslator(translator);
        }
        return true;
    }();
    (void)loaded;
}

// A model text as a clause of rkradio's lines: in English, starting in lower
// case where only its first letter is a capital, without a closing full stop.
QString EnglishClause(const ModelRules& rules, const char* utf8) {
    LoadEnglish();
    QString text = QCoreApplication::translate(rules.programName, utf8).trimmed();
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return InsideLine(text);
}

}  // namespace

QString InsideLine(QString text) {
    if (text.size() > 1 && text[0].isUpper() && text[1].isLower()) text[0] = text[0].toLower();
    return text;
}

QString CheckFailureText(const ModelRules& rules, const char* message) {
    if (!message) return QStringLiteral("the check failed");
    return QStringLiteral("%1 (%2)").arg(EnglishClause(rules, message), ModelText(message));
}

TranslatedTexts EnglishRules(const ModelRules& rules) {
    LoadEnglish();
    return TranslatedTexts(rules, ReportTextsOf(rules));
}

QString ModelText(const char* utf8) {
    QString text = QString::fromUtf8(utf8);
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return text.simplified();
}

}  // namespace rk::cli
