#include "StepNames.h"

#include "ImageDiff.h"
#include "ModelProfile.h"
#include "RadioDocument.h"
#include "TransferReport.h"
#include "Texts.h"

namespace rk {
namespace {

struct Words {
    const char* channelField;
    const char* field;
    const char* read;
    const char* import;
};

// The step's kind and what it changed from `before` to `after`, in words.
// The derived fields (last used channel, channel bitmap) follow the user's
// own and never name a step.
const char* RowCommandName(const ChannelTableViewTexts& table, RowCommand command) {
    switch (command) {
    case RowCommand::Paste: return table.paste;
    case RowCommand::Clear: return table.clear;
    case RowCommand::MoveUp: return table.moveUp;
    case RowCommand::MoveDown: return table.moveDown;
    case RowCommand::Sort: return table.sort;
    }
    return table.paste;
}

QString Name(const Words& words, const ModelProfile& profile, const StepInfo& step, const RadioImage& before,
             const RadioImage& after) {
    if (step.kind == StepKind::Read) return Tr(words.read);
    if (step.kind == StepKind::Import) return Tr(words.import);
    if (step.kind == StepKind::Rows) return Tr(words.field).arg(Tr(RowCommandName(profile.tableView, step.rows)));
    const ReportTexts& names = profile.texts.report;
    for (const FieldDifference& d : CompareImages(before, after)) {
        if (d.field == DiffField::LastUsedChannel || d.field == DiffField::ChannelBitmap) continue;
        const char* field = ReportFieldName(names, d.field);
        if (!field) continue;
        if (d.channel < 0) return Tr(words.field).arg(Tr(field));
        return Tr(words.channelField).arg(QString::fromStdString(ChannelNumberText(d.channel)), Tr(field));
    }
    return {};
}

}  // namespace

QString UndoStepName(const ModelProfile& profile, const RadioDocument& document) {
    const auto step = document.History().UndoStep();
    const auto before = document.History().BeforeUndo(document.Image());
    if (!step || !before) return {};
    const auto& h = profile.history;
    return Name({h.undoChannelField, h.undoField, h.undoRead, h.undoImport}, profile, *step, *before, document.Image());
}

QString RedoStepName(const ModelProfile& profile, const RadioDocument& document) {
    const auto step = document.History().RedoStep();
    const auto after = document.History().AfterRedo(document.Image());
    if (!step || !after) return {};
    const auto& h = profile.history;
    return Name({h.redoChannelField, h.redoField, h.redoRead, h.redoImport}, profile, *step, document.Image(), *after);
}

}  // namespace rk
