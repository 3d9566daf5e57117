#include "ModelChoice.h"

#include <QFileInfo>

#include "Rk520Rules.h"
#include "Rk520Texts.h"
#include "Rk7400Rules.h"
#include "Rk7400Texts.h"

namespace rk::cli {

namespace {

const ModelRules* const kModels[] = {&Rk520Rules(), &Rk7400Rules()};

}  // namespace

std::span<const ModelRules* const> Models() { return kModels; }

const ModelTexts& TextsOf(const ModelRules& model) {
    return &model == &Rk7400Rules() ? Rk7400Texts() : Rk520Texts();
}

const ModelRules* ModelOfFile(const QString& path) {
    const QString suffix = QLatin1Char('.') + QFileInfo(path).suffix();
    for (const ModelRules* model : kModels)
        if (suffix.compare(QLatin1String(model->extension), Qt::CaseInsensitive) == 0) return model;
    return nullptr;
}

const ModelRules* ChooseModel(const Arguments& args, const QStringList& paths, QString& error) {
    if (args.Has(QStringLiteral("model"))) {
        const QString name = args.Value(QStringLiteral("model"));
        for (const ModelRules* model : kModels)
            if (name == QLatin1String(model->programName)) return model;
        error = QStringLiteral("unknown model \"%1\" (rk520 or rk7400)").arg(name);
        return nullptr;
    }
    for (const QString& path : paths)
        if (const ModelRules* model = ModelOfFile(path)) return model;
    error = QStringLiteral("cannot tell the model from the file name: give --model rk520 or --model rk7400");
    return nullptr;
}

}  // namespace rk::cli
