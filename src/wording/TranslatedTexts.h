#pragma once
// A model's texts in the language of the installed translators. The message
// assembly works on UTF-8 texts of its own; a front end hands it these
// copies, so that what it puts together reads in the interface language.
// QtCore only.

#include <QByteArray>
#include <deque>

#include "ModelTexts.h"

namespace rk {

class TranslatedTexts {
public:
    // The texts are looked up under the model's context, as marked.
    explicit TranslatedTexts(const ModelTexts& texts);
    TranslatedTexts(const TranslatedTexts&) = delete;
    TranslatedTexts& operator=(const TranslatedTexts&) = delete;

    // The texts again in the language now installed. Texts handed out before
    // stay valid.
    void Retranslate(const ModelTexts& texts);

    const CheckTexts& Check() const { return m_model.check; }
    const TransferTexts& Transfer() const { return m_model.transfer; }
    const ReportTexts& Report() const { return m_model.report; }

private:
    const char* Translate(const char* text, const char* disambiguation = nullptr);

    // The copies point into these; a deque keeps their addresses.
    std::deque<QByteArray> m_texts;
    ModelTexts m_model;
};

}  // namespace rk
