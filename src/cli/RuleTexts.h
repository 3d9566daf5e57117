#pragma once
// The models' own messages are Chinese or Russian; rkradio says each in the
// English the programs use (their translation files), with the model's text
// beside it.

#include <QString>

#include "ModelRules.h"
#include "TranslatedTexts.h"
#include "WriteValidation.h"


namespace rk::cli {

// The pre-write check's failure, in English with the model's own text.
QString CheckFailureText(const ModelRules& rules, WriteRule rule);
// "channel 05: " and the problem's CheckFailureText (CheckCommand.cpp).
QString WriteProblemLine(const ModelRules& rules, const WriteProblem& problem);

// The model's texts in English, for the transfer's messages and the names of
// fields.
TranslatedTexts EnglishTexts(const ModelRules& rules);

// A text as part of a line: starting in lower case where only its first
// letter is a capital ("Receive frequency", but "TX inhibit").
QString InsideLine(QString text);

// The model's text without its control characters and outer blanks.
QString ModelText(const char* utf8);

}  // namespace rk::cli
