// backups: the images the programs and rkradio kept from the radio, newest
// first, as a table or as JSON.

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "BackupCatalogue.h"
#include "Cli.h"
#include "Commands.h"
#include "ModelChoice.h"
#include "Show.h"

namespace rk::cli {

namespace {

// A radio of a series: "series 10:15:02, radio 3, before-write".
QString KindText(const BackupEntry& entry) {
    const QString kind = entry.kind ? BackupKindName(*entry.kind) : QStringLiteral("-");
    if (!entry.series) return kind;
    return QStringLiteral("series %1, radio %2, %3")
        .arg(entry.series->start.toString(QStringLiteral("HH:mm:ss")))
        .arg(entry.series->radio)
        .arg(kind);
}

QJsonValue SeriesJson(const BackupEntry& entry) {
    if (!entry.series) return QJsonValue();
    return QJsonObject{{QStringLiteral("start"), entry.series->start.toString(Qt::ISODate)},
                       {QStringLiteral("radio"), entry.series->radio}};
}

QString ChannelsText(const BackupEntry& entry) {
    return entry.image ? QString::number(entry.configuredChannels) : QStringLiteral("unreadable");
}

QByteArray Json(const std::vector<BackupEntry>& entries) {
    QJsonArray list;
    for (const BackupEntry& entry : entries) {
        QJsonObject object{{QStringLiteral("path"), QDir::toNativeSeparators(entry.path)},
                           {QStringLiteral("model"), entry.program},
                           {QStringLiteral("time"), entry.time.toString(Qt::ISODate)},
                           {QStringLiteral("kind"), entry.kind ? QJsonValue(BackupKindName(*entry.kind)) : QJsonValue()},
                           {QStringLiteral("series"), SeriesJson(entry)},
                           {QStringLiteral("readable"), entry.image.has_value()}};
        if (entry.image) object.insert(QStringLiteral("configuredChannels"), entry.configuredChannels);
        list.append(object);
    }
    return QJsonDocument(list).toJson();
}

}  // namespace

int RunBackups(const Arguments& args) {
    std::vector<BackupSource> sources;
    if (args.Has(QStringLiteral("model"))) {
        QString error;
        const ModelRules* model = ChooseModel(args, {}, error);
        if (!model) return UsageError(QStringLiteral("backups"), error);
        sources.push_back({QString::fromUtf8(model->programName), QString::fromUtf8(model->extension)});
    } else {
        for (const ModelRules* model : Models())
            sources.push_back({QString::fromUtf8(model->programName), QString::fromUtf8(model->extension)});
    }
    const auto entries = ListBackups(sources);
    if (args.Has(QStringLiteral("json"))) {
        const QByteArray json = Json(entries);
        std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
        return kSuccess;
    }
    if (entries.empty()) return kSuccess;
    QList<QStringList> rows{{QStringLiteral("TIME"), QStringLiteral("KIND"), QStringLiteral("CHANNELS"), QStringLiteral("PATH")}};
    for (const BackupEntry& entry : entries)
        rows << QStringList{BackupTimeText(entry), KindText(entry), ChannelsText(entry), QDir::toNativeSeparators(entry.path)};
    const QString text = Columns(rows);
    Print(text.left(text.size() - 1));
    return kSuccess;
}

}  // namespace rk::cli
