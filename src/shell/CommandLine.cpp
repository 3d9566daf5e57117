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
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            result.help = true;
        } else if (argument == QLatin1String("--version")) {
            result.version = true;
        } else {
            result.files << argument;
        }
    }
    return result;
}

QString Usage(const QString& program, const QStringList& languageCodes) {
    return QStringLiteral(
               "Usage: %1 [--lang CODE] [IMAGE-FILE]\n"
               "\n"
               "Opens IMAGE-FILE (an .rkd or .zu1 image file), or a new document without it.\n"
               "\n"
               "Options:\n"
               "  --lang CODE   the interface language of this run: %2\n"
               "  --help        this help\n"
               "  --version     the program's version\n")
        .arg(program, languageCodes.join(QStringLiteral(", ")));
}

}  // namespace rk
