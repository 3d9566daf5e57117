#include "Arguments.h"

namespace rk::cli {

namespace {

const OptionSpec* FindLong(const std::vector<OptionSpec>& specs, const QString& name) {
    for (const OptionSpec& spec : specs)
        if (spec.name == name) return &spec;
    return nullptr;
}

const OptionSpec* FindShort(const std::vector<OptionSpec>& specs, QChar name) {
    for (const OptionSpec& spec : specs)
        if (!spec.shortName.isNull() && spec.shortName == name) return &spec;
    return nullptr;
}

}  // namespace

std::optional<Arguments> ParseArguments(const QStringList& words, const std::vector<OptionSpec>& specs,
                                        QString& error) {
    Arguments args;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (optionsEnded || word == QLatin1String("-") || !word.startsWith(QLatin1Char('-'))) {
            args.m_operands << word;
            continue;
        }
        if (word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const OptionSpec* spec = nullptr;
        std::optional<QString> inlineValue;
        if (word.startsWith(QLatin1String("--"))) {
            QString name = word.mid(2);
            if (const qsizetype eq = name.indexOf(QLatin1Char('=')); eq >= 0) {
                inlineValue = name.mid(eq + 1);
                name.truncate(eq);
            }
            spec = FindLong(specs, name);
        } else if (word.size() == 2) {
            spec = FindShort(specs, word.at(1));
        }
        if (!spec) {
            error = QStringLiteral("unknown option %1").arg(word);
            return std::nullopt;
        }
        if (args.Has(spec->name)) {
            error = QStringLiteral("--%1 given twice").arg(spec->name);
            return std::nullopt;
        }
        if (!spec->takesValue) {
            if (inlineValue) {
                error = QStringLiteral("--%1 takes no value").arg(spec->name);
                return std::nullopt;
            }
            args.m_flags.insert(spec->name);
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= words.size()) {
                error = QStringLiteral("%1 needs a value").arg(word);
                return std::nullopt;
            }
            inlineValue = words[++i];
        }
        args.m_values.insert(spec->name, *inlineValue);
    }
    return args;
}

}  // namespace rk::cli
