#include "TranslatedTexts.h"

#include <QCoreApplication>
#include <array>
#include <bit>

namespace rk {

// Structs made only of texts, translated field by field.
template <typename Texts>
void TranslatedTexts::TranslateAll(Texts& texts) {
    static_assert(sizeof(Texts) % sizeof(const char*) == 0);
    auto fields = std::bit_cast<std::array<const char*, sizeof(Texts) / sizeof(const char*)>>(texts);
    for (const char*& field : fields) field = Translate(field);
    texts = std::bit_cast<Texts>(fields);
}

TranslatedTexts::TranslatedTexts(const ModelRules& rules, const ReportTexts& report)
    : m_rules(rules), m_report(report) {
    Retranslate(rules, report);
}

void TranslatedTexts::Retranslate(const ModelRules& rules, const ReportTexts& report) {
    m_rules = rules;
    m_report = report;
    ValidationRules& v = m_rules.validation;
    for (const char** text : {&v.sameFreqTalkaround, &v.sameFreqRepeater, &v.sameFreqReverse, &v.split, &v.band,
                              &v.rxOutOfBand, &v.txOutOfBand, &v.rxStep, &v.txStep, &v.totLimit, &v.repeaterDelay})
        *text = Translate(*text);
    TranslateAll(m_rules.transfer);
    TranslateAll(m_report);
}

const char* TranslatedTexts::Translate(const char* text) {
    if (!text) return nullptr;
    m_texts.push_back(QCoreApplication::translate(m_rules.programName, text).toUtf8());
    return m_texts.back().constData();
}

}  // namespace rk
