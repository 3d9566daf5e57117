#include "StepNames.h"

#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "ImageDiff.h"
#include "ModelProfile.h"
#include "RadioDocument.h"
#include "SortedSlots.h"
#include "TransferReport.h"
#include "Texts.h"

namespace rk {
namespace {

struct Words {
    const char* channelField;
    const char* field;
    const char* read;
    const char* import;
    const char* fieldOnChannels;
};

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

// The derived fields (last used channel, channel bitmap) follow the user's
// own and never name a step.
bool Named(const ReportTexts& names, const FieldDifference& d) {
    return d.field != DiffField::LastUsedChannel && d.field != DiffField::ChannelBitmap && ReportFieldName(names, d.field);
}

// The channels whose membership of a scan group differs.
void GroupChanges(const RadioImage& before, const RadioImage& after, DiffField field, std::set<int>& channels) {
    const ScanGroup group = field == DiffField::ScanGroupA ? ScanGroup::A : ScanGroup::B;
    for (int c = 0; c < kChannelCount; ++c)
        if (FindSlot(before.Settings().scanGroup(group), c).has_value() != FindSlot(after.Settings().scanGroup(group), c).has_value())
            channels.insert(c);
}

// The one field a step changed on several channels, with their count.
std::optional<std::pair<DiffField, int>> FieldOnChannels(const ReportTexts& names, const std::vector<FieldDifference>& differences,
                                                         const RadioImage& before, const RadioImage& after) {
    std::optional<DiffField> only;
    std::set<int> channels;
    for (const FieldDifference& d : differences) {
        if (!Named(names, d)) continue;
        if (only && *only != d.field) return std::nullopt;
        only = d.field;
        if (d.channel >= 0) channels.insert(d.channel);
    }
    if (only && (*only == DiffField::ScanGroupA || *only == DiffField::ScanGroupB)) GroupChanges(before, after, *only, channels);
    if (!only || channels.size() < 2) return std::nullopt;
    return std::pair{*only, static_cast<int>(channels.size())};
}

// "%1 channels" in the plural form the count takes.
QString ChannelCount(const HistoryTexts& h, int count) {
    const int tens = count % 100;
    const int units = count % 10;
    const char* form = h.channelCountMany;
    if (units == 1 && tens != 11) form = h.channelCountOne;
    else if (units >= 2 && units <= 4 && (tens < 12 || tens > 14)) form = h.channelCountFew;
    return Tr(form).arg(count);
}

// A field's name inside a sentence: from a small letter, unless it starts
// with a capital abbreviation ("TOT").
QString InSentence(QString name) {
    if (name.size() > 1 && name[0].isUpper() && name[1].isLower()) name[0] = name[0].toLower();
    return name;
}

QString Name(const Words& words, const ModelProfile& profile, const StepInfo& step, const RadioImage& before,
             const RadioImage& after) {
    if (step.kind == StepKind::Read) return Tr(words.read);
    if (step.kind == StepKind::Import) return Tr(words.import);
    if (step.kind == StepKind::Rows) return Tr(words.field).arg(Tr(RowCommandName(profile.tableView, step.rows)));
    const ReportTexts& names = profile.texts.report;
    const auto differences = CompareImages(before, after);
    if (const auto many = FieldOnChannels(names, differences, before, after))
        return Tr(words.fieldOnChannels)
            .arg(ChannelCount(profile.history, many->second), InSentence(Tr(ReportFieldName(names, many->first))));
    for (const FieldDifference& d : differences) {
        if (!Named(names, d)) continue;
        const char* field = ReportFieldName(names, d.field);
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
    return Name({h.undoChannelField, h.undoField, h.undoRead, h.undoImport, h.undoFieldOnChannels}, profile, *step, *before,
                document.Image());
}

QString RedoStepName(const ModelProfile& profile, const RadioDocument& document) {
    const auto step = document.History().RedoStep();
    const auto after = document.History().AfterRedo(document.Image());
    if (!step || !after) return {};
    const auto& h = profile.history;
    return Name({h.redoChannelField, h.redoField, h.redoRead, h.redoImport, h.redoFieldOnChannels}, profile, *step,
                document.Image(), *after);
}

}  // namespace rk
