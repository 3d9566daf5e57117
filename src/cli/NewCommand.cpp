// new: the image a new document has in the programs.

#include "Cli.h"
#include "Commands.h"
#include "Files.h"
#include "ModelChoice.h"
#include "RadioDocument.h"

namespace rk::cli {

int RunNew(const Arguments& args) {
    const QString path = args.Value(QStringLiteral("output"));
    if (path.isEmpty()) return UsageError(QStringLiteral("new"), QStringLiteral("-o FILE is missing"));
    // Both models start from the same image; the model only has to be known.
    QString error;
    if (!ChooseModel(args, {path}, error)) return UsageError(QStringLiteral("new"), error);
    RadioDocument document;
    document.OnNewDocument();
    return SaveImageFile(path, document.Image()) ? kSuccess : kFileError;
}

}  // namespace rk::cli
