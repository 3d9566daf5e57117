#include "Arguments.h"

namespace rk::cli {

namespace {

const Option* FindLong(const std::vector<Option>& options, const QString& name) {
    for (const Option& option : options)
        if (option.name == name) return &option;
    return nullptr;
}

const Option* FindShort(const std::vector<Option>& options, QChar name) {
    for (const Option& option : options)
        if (!option.shortName.isNull() && option.shortName == name) return &option;
    return nullptr;
}

}  // namespace

std::optional<Arguments> ParseArguments(const QStringList& words, const std::vector<Option>& options,
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
        const Option* option = nullptr;
        std::optional<QString> inlineValue;
        if (word.startsWith(QLatin1String("--"))) {
            QString name = word.mid(2);
            if (const qsizetype eq = name.indexOf(QLatin1Char('=')); eq >= 0) {
                inlineValue = name.mid(eq + 1);
                name.truncate(eq);
            }
            option = FindLong(options, name);
        } else if (word.size() == 2) {
            option = FindShort(options, word.at(1));
        }
        if (!option) {
            error = QStringLiteral("unknown option %1").arg(word);
            return std::nullopt;
        }
        if (args.Has(option->name)) {
            error = QStringLiteral("--%1 given twice").arg(option->name);
            return std::nullopt;
        }
        if (!option->takesValue) {
            if (inlineValue) {
                error = QStringLiteral("--%1 takes no value").arg(option->name);
                return std::nullopt;
            }
            args.m_flags.insert(option->name);
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= words.size()) {
                error = QStringLiteral("%1 needs a value").arg(word);
                return std::nullopt;
            }
            inlineValue = words[++i];
        }
        args.m_values.insert(option->name, *inlineValue);
    }
    return args;
}

}  // namespace rk::cli
