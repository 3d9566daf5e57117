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
QString EnglishClause(const ModelTexts& texts, const char* utf8) {
    LoadEnglish();
    QString text = QCoreApplication::translate(texts.context, utf8).trimmed();
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return InsideLine(text);
}

}  // namespace

QString InsideLine(QString text) {
    if (text.size() > 1 && text[0].isUpper() && text[1].isLower()) text[0] = text[0].toLower();
    return text;
}

QString CheckFailureText(const ModelRules& rules, WriteRule rule) {
    const ModelTexts& texts = TextsOf(rules);
    const char* message = CheckMessage(texts.check, rule);
    if (!message) return QStringLiteral("the check failed");
    return QStringLiteral("%1 (%2)").arg(EnglishClause(texts, message), ModelText(message));
}

TranslatedTexts EnglishTexts(const ModelRules& rules) {
    LoadEnglish();
    return TranslatedTexts(TextsOf(rules));
}

QString ModelText(const char* utf8) {
    QString text = QString::fromUtf8(utf8);
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return text.simplified();
}

}  // namespace rk::cli
