#include "Program.h"

#include "Cli.h"
#include "Commands.h"

namespace rk::cli {

namespace {

const Option kHelp{QStringLiteral("help"), QLatin1Char('h'), false};

const Command* FindCommand(const QString& name) {
    for (const Command& command : Commands())
        if (name == QLatin1String(command.name)) return &command;
    return nullptr;
}

QString CommandHelp(const Command& command) {
    QString help = QString::fromUtf8(command.help);
    if (!help.contains(QLatin1String("Options:"))) help += QStringLiteral("\nOptions:\n");
    return help + QStringLiteral("  -h, --help      this help\n");
}

}  // namespace

int UsageError(const QString& command, const QString& message) {
    const QString where = command.isEmpty() ? QString() : command + QStringLiteral(": ");
    const QString help = command.isEmpty() ? QStringLiteral("rkradio --help") : QStringLiteral("rkradio %1 --help").arg(command);
    Error(QStringLiteral("%1%2 (see %3)").arg(where, message, help));
    return kUsage;
}

int Run(const QStringList& words) {
    if (words.isEmpty()) return UsageError({}, QStringLiteral("no command given"));
    const QString& first = words.first();
    if (first == QLatin1String("-h") || first == QLatin1String("--help") || first == QLatin1String("help")) {
        Print(ProgramHelp().chopped(1));
        return kSuccess;
    }
    if (first == QLatin1String("-V") || first == QLatin1String("--version")) {
        Print(QStringLiteral("rkradio %1").arg(QStringLiteral(RK_VERSION)));
        return kSuccess;
    }
    const Command* command = FindCommand(first);
    if (!command) return UsageError({}, QStringLiteral("unknown command \"%1\"").arg(first));

    const QString name = QString::fromLatin1(command->name);
    std::vector<Option> options = command->options;
    options.push_back(kHelp);
    QString error;
    const auto args = ParseArguments(words.mid(1), options, error);
    if (!args) return UsageError(name, error);
    if (args->Has(kHelp.name)) {
        Print(CommandHelp(*command).chopped(1));
        return kSuccess;
    }
    const auto count = args->Operands().size();
    if (count < command->minOperands) return UsageError(name, QStringLiteral("a file name is missing"));
    if (count > command->maxOperands)
        return UsageError(name, QStringLiteral("unexpected \"%1\"").arg(args->Operands().at(command->maxOperands)));
    return command->run(*args);
}

}  // namespace rk::cli
