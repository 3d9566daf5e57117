#pragma once
// A model's rules and report names with every text in the language of the
// installed translators. The clone transfer and the message assembly work on
// UTF-8 texts of their own; a front end hands them these copies, so that what
// they put together reads in the interface language. QtCore only.

#include <QByteArray>
#include <deque>

#include "ModelRules.h"
#include "ReportTexts.h"

namespace rk {

class TranslatedTexts {
public:
    // The texts are looked up under the model's program name, as marked.
    explicit TranslatedTexts(const ModelRules& rules, const ReportTexts& report = {});
    TranslatedTexts(const TranslatedTexts&) = delete;
    TranslatedTexts& operator=(const TranslatedTexts&) = delete;

    const ModelRules& Rules() const { return m_rules; }

    // The texts again in the language now installed. Texts handed out before
    // stay valid.
    void Retranslate(const ModelRules& rules, const ReportTexts& report);
    const ReportTexts& Report() const { return m_report; }

private:
    const char* Translate(const char* text);

    // The copies point into these; a deque keeps their addresses.
    std::deque<QByteArray> m_texts;
    ModelRules m_rules;
    ReportTexts m_report;
};

}  // namespace rk
