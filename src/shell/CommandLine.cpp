#include "CommandLine.h"

namespace rk {

CommandLine ParseCommandLine(const QStringList& arguments) {
    static const QString option = QStringLiteral("--lang");
    CommandLine result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == option) {
            // A trailing --lang without its value is dropped.
            if (i + 1 < arguments.size()) result.language = arguments[++i];
        } else if (argument.startsWith(option + QLatin1Char('='))) {
            result.language = argument.mid(option.size() + 1);
        } else {
            result.files << argument;
        }
    }
    return result;
}

}  // namespace rk
