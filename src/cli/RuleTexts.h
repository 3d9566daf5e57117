#pragma once
// The models' own messages are Chinese or Russian; rkradio says each in the
// English the programs use (their translation files), with the model's text
// beside it.

#include <QString>

#include "ModelRules.h"
#include "TranslatedTexts.h"

namespace rk {
struct WriteProblem;
}

namespace rk::cli {

// The pre-write check's failure, in English. `message` is the rules' text the
// check returned.
QString CheckFailureText(const ModelRules& rules, const char* message);
// "channel 05: " and the problem's CheckFailureText (CheckCommand.cpp).
QString WriteProblemLine(const ModelRules& rules, const WriteProblem& problem);

// The rules with their texts in English, for the transfer's messages.
TranslatedTexts EnglishRules(const ModelRules& rules);

// The model's text without its control characters and outer blanks.
QString ModelText(const char* utf8);

}  // namespace rk::cli
