#include "ChangeLines.h"

#include <QByteArray>

#include "ModelProfile.h"
#include "Texts.h"
#include "TransferReport.h"
#include "TranslatedTexts.h"

namespace rk {

QStringList ChangeLines(const ModelProfile& profile, const TranslatedTexts& texts,
                        const std::vector<FieldDifference>& differences) {
    ReportTexts names = texts.Report();
    const QByteArray change = Tr(profile.backups.change).toUtf8();
    names.difference = change.constData();
    QStringList lines;
    for (const std::string& line : DifferenceLines(names, differences, kPreviewLines))
        lines << QString::fromStdString(line);
    return lines;
}

}  // namespace rk
