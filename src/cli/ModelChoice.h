#pragma once
// Which model's rules a command works with: the one --model names, else the
// one whose image file extension the file has.

#include <QString>
#include <span>

#include "Arguments.h"
#include "ModelRules.h"
#include "ModelTexts.h"

namespace rk::cli {

// Every model rkradio knows.
std::span<const ModelRules* const> Models();

// What the model's programs say about the check, the transfer and its fields.
const ModelTexts& TextsOf(const ModelRules& model);

// The model of the extension of `path` (.rkd, .zu1, any case), or nullptr.
const ModelRules* ModelOfFile(const QString& path);

// --model, else the first of `paths` with a model's extension. nullptr with
// `error` set when --model names no model or nothing decides.
const ModelRules* ChooseModel(const Arguments& args, const QStringList& paths, QString& error);

}  // namespace rk::cli
