// new: the image a new document has in the programs, with the band and the
// time limit given on the command line so that the image can be written.

#include <cmath>

#include "Cli.h"
#include "Commands.h"
#include "Conversions.h"
#include "Files.h"
#include "ModelChoice.h"
#include "RadioDocument.h"
#include "WriteValidation.h"

namespace rk::cli {

namespace {

// Whole MHz the model's check takes as the band's lower edge.
std::optional<std::uint32_t> BandLow(const QString& text, const ModelRules& model) {
    const auto mhz = ParseNumber(text.toStdString());
    if (!mhz || *mhz != std::floor(*mhz)) return std::nullopt;
    const std::int32_t edge = MhzToFreq(*mhz);
    if (!IsValidBandEdge(edge, model.validation)) return std::nullopt;
    return MhzToBandLow(*mhz);
}

std::optional<std::uint8_t> TimeLimit(const QString& text) {
    const auto minutes = ParseNumber(text.toStdString());
    if (!minutes) return std::nullopt;
    const std::uint8_t tenths = ValueToTenths(*minutes);
    if (tenths < kTotLimitMin || tenths > kTotLimitMax || TenthsToValue(tenths) != *minutes) return std::nullopt;
    return tenths;
}

}  // namespace

int RunNew(const Arguments& args) {
    const QString command = QStringLiteral("new");
    const QString path = args.Value(QStringLiteral("output"));
    if (path.isEmpty()) return UsageError(command, QStringLiteral("-o FILE is missing"));
    // Both models start from the same image; the model decides the limits.
    QString error;
    const ModelRules* model = ChooseModel(args, {path}, error);
    if (!model) return UsageError(command, error);
    RadioDocument document;
    document.OnNewDocument();
    RadioImage image = document.Image();
    if (args.Has(QStringLiteral("band"))) {
        const auto low = BandLow(args.Value(QStringLiteral("band")), *model);
        if (!low)
            return UsageError(command, QStringLiteral("--band: whole MHz from 100 to %1 for %2")
                                           .arg(model->validation.highestBandEdge / kCountsPerMhz)
                                           .arg(QString::fromUtf8(model->programName)));
        image.Settings().setBandLow(*low);
    }
    if (args.Has(QStringLiteral("time-limit"))) {
        const auto tenths = TimeLimit(args.Value(QStringLiteral("time-limit")));
        if (!tenths) return UsageError(command, QStringLiteral("--time-limit: minutes from 0.1 to 10, in tenths"));
        image.Settings().setTotLimit(*tenths);
    }
    return SaveImageFile(path, image) ? kSuccess : kFileError;
}

}  // namespace rk::cli
