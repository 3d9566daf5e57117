#include "TransferReport.h"

#include <algorithm>
#include <cstdio>
#include <variant>

#include "Conversions.h"

namespace rk {
namespace {

std::string Text(const char* text) { return text ? text : ""; }

const char* CauseText(const TransferTexts& texts, PortProblem problem) {
    switch (problem) {
    case PortProblem::NoSerialDevices: return texts.noSerialDevices;
    case PortProblem::Unassigned: return texts.portUnassigned;
    case PortProblem::Absent: return texts.portAbsent;
    case PortProblem::PermissionDenied: return texts.portPermission;
    case PortProblem::InUse: return texts.portInUse;
    case PortProblem::NoReply: return texts.noReply;
    case PortProblem::WrongReply: return texts.wrongReply;
    case PortProblem::OpenFailed:
    case PortProblem::None: break;
    }
    return texts.portOpenFailed;
}

std::string FieldText(const ReportTexts& names, const FieldDifference& d) {
    if (d.field == DiffField::Byte) return Fill(names.byteAt, {std::to_string(d.offset)});
    std::string field = Text(ReportFieldName(names, d.field));
    // Bytes that show the same: which byte of the field they are.
    if (d.shown) field += " (" + Fill(names.byteAt, {std::to_string(d.offset)}) + ")";
    if (d.channel < 0) return field;
    return Fill(names.channelField, {ChannelText(names, d.channel), field});
}

void AddLine(std::string& text, const std::string& line) {
    if (line.empty()) return;
    if (!text.empty()) text += '\n';
    text += line;
}

std::string BackupLine(const TransferTexts& texts, const BackupCopy& copy) {
    if (copy.Failed()) return Fill(texts.backupNotSaved, {copy.path, copy.error});
    return {};
}

}  // namespace

std::string ValueText(const ReportTexts& names, const FieldValue& value, ValueStyle style) {
    const bool form = style == ValueStyle::Form;
    return std::visit(
        Overloaded{
            [&](const diff::Frequency& v) {
                return form ? FormatNumber(FreqToMhz(v.count)) : MhzText(v.count, kListedDecimals);
            },
            [&](const diff::Code& v) { return v.on || !form ? CodeText(v) : Text(names.codeNone); },
            [](const diff::Level& v) { return std::to_string(v.value); },
            [](const diff::Tenths& v) { return FormatNumber(TenthsToValue(v.count)); },
            [&](const diff::Switch& v) { return Text(v.on ? names.on : names.off); },
            [&](const diff::Power& v) { return Text(v.low ? names.powerLow : names.powerHigh); },
            [](const diff::BandEdge& v) { return std::to_string(v.mhz); },
            [](const diff::Channel& v) { return ChannelNumberText(v.index); },
            [](const diff::Slots& v) { return SlotsText(v); },
            [](const diff::ChannelMap& v) { return ChannelMapText(v); },
            [](const diff::Byte& v) { return HexText(v.value); },
        },
        value);
}

const char* ReportFieldName(const ReportTexts& names, DiffField field) {
    switch (field) {
    case DiffField::RxFrequency: return names.rxFrequency;
    case DiffField::TxFrequency: return names.txFrequency;
    case DiffField::RxCode: return names.rxCode;
    case DiffField::TxCode: return names.txCode;
    case DiffField::SquelchLevel: return names.squelchLevel;
    case DiffField::RepeaterDelay: return names.repeaterDelay;
    case DiffField::Power: return names.power;
    case DiffField::TxInhibit: return names.txInhibit;
    case DiffField::BeatShift: return names.beatShift;
    case DiffField::Talkaround: return names.talkaround;
    case DiffField::Repeater: return names.repeater;
    case DiffField::Reverse: return names.reverse;
    case DiffField::Scrambler: return names.scrambler;
    case DiffField::Band: return names.band;
    case DiffField::TotLimit: return names.totLimit;
    case DiffField::ScanGroupA: return names.scanGroupA;
    case DiffField::ScanGroupB: return names.scanGroupB;
    case DiffField::LastUsedChannel: return names.lastUsedChannel;
    case DiffField::ChannelBitmap: return names.channelBitmap;
    case DiffField::Byte: break;
    }
    return nullptr;
}

std::string Fill(const char* format, std::initializer_list<std::string_view> args) {
    std::string out;
    if (!format) return out;
    const std::string_view f(format);
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (f[i] == '%' && i + 1 < f.size() && f[i + 1] >= '1' && f[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(f[i + 1] - '1');
            if (n < args.size()) {
                out += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        out += f[i];
    }
    return out;
}

std::string ExplainPort(const TransferTexts& texts, const PortAttempt& attempt) {
    const bool named = attempt.device.empty() || attempt.device == attempt.name;  // a device named by its path
    const std::string who = named ? attempt.name : Fill(texts.portDevice, {attempt.name, attempt.device});
    return Fill(texts.portLine, {who, Text(CauseText(texts, attempt.problem))});
}

std::string ExplainSearch(const TransferTexts& texts, const std::vector<PortAttempt>& tried) {
    const bool noDevices = !tried.empty() && std::all_of(tried.begin(), tried.end(), [](const PortAttempt& a) {
        return a.problem == PortProblem::NoSerialDevices;
    });
    if (noDevices) return Text(texts.noSerialDevices);
    std::string text = Text(texts.portsTried);
    for (const PortAttempt& attempt : tried) AddLine(text, ExplainPort(texts, attempt));
    return text;
}

std::string ChannelText(const ReportTexts& names, int channel) {
    return Fill(names.channel, {ChannelNumberText(channel)});
}

std::vector<std::string> DifferenceLines(const ReportTexts& names, const std::vector<FieldDifference>& differences,
                                         std::size_t maxLines) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < differences.size() && i < maxLines; ++i) {
        const FieldDifference& d = differences[i];
        lines.push_back(Fill(names.difference, {FieldText(names, d), ValueText(names, d.before), ValueText(names, d.after)}));
    }
    if (differences.size() > maxLines)
        lines.push_back(Fill(names.moreDifferences, {std::to_string(differences.size() - maxLines)}));
    return lines;
}

std::string DescribeFailure(const TransferTexts& texts, const TransferFailure& failure) {
    std::string text;
    bool portLines = true;
    switch (failure.kind) {
    case FailureKind::OpenFailedHandshake: text = Text(texts.openFailedHandshake); break;
    case FailureKind::NoHandshakeReply: text = Text(texts.noHandshakeReply); break;
    case FailureKind::OpenFailedBlockRequest: text = Text(texts.openFailedBlockRequest); break;
    case FailureKind::OpenFailedWriteBlock: text = Text(texts.openFailedWriteBlock); break;
    case FailureKind::IncompleteRead:
        text = Text(texts.incompleteRead);
        portLines = false;
        break;
    case FailureKind::BackupNotSaved:
        text = BackupLine(texts, failure.backup);
        portLines = false;
        break;
    }
    if (portLines && !failure.tried.empty()) {
        // A search that never got as far as a block lists every port it
        // tried; otherwise the one port concerned.
        const bool search = failure.searched && (failure.kind == FailureKind::OpenFailedHandshake ||
                                                 failure.kind == FailureKind::NoHandshakeReply);
        AddLine(text, search ? ExplainSearch(texts, failure.tried) : ExplainPort(texts, failure.tried.back()));
    }
    if (failure.phase == TransferPhase::Backup) AddLine(text, Text(texts.nothingWritten));
    return text;
}

std::string PartlyWrittenLine(const TransferTexts& texts, const TransferOutcome& outcome) {
    if (outcome.radio != RadioHolds::PartlyWritten) return {};
    return Fill(texts.partlyWritten, {std::to_string(outcome.blocksWritten), std::to_string(kImageBlocks)});
}

std::string DescribeOutcomeFailure(const TransferTexts& texts, const TransferOutcome& outcome) {
    std::string text = DescribeFailure(texts, outcome.failure);
    if (!outcome.Written()) return text;
    AddLine(text, PartlyWrittenLine(texts, outcome));
    if (outcome.before.Saved()) AddLine(text, Fill(texts.backupSaved, {outcome.before.path}));
    return text;
}

std::string DescribeRead(const TransferTexts& texts, const ReadResult& result) {
    std::string text = Text(texts.readDone);
    AddLine(text, BackupLine(texts, result.backup));
    return text;
}

std::string DescribeWrite(const TransferTexts& texts, const ReportTexts& names, const WriteResult& result) {
    std::string text;
    switch (result.verify) {
    case VerifyOutcome::NotAsked: text = Text(texts.writeDone); break;
    case VerifyOutcome::Matches:
        text = Text(texts.writeDone);
        AddLine(text, Text(texts.verifyMatches));
        break;
    case VerifyOutcome::Differs:
        text = Text(texts.verifyDiffers);
        for (const std::string& line : DifferenceLines(names, result.differences)) AddLine(text, line);
        break;
    case VerifyOutcome::ReadFailed:
        text = Text(texts.verifyReadFailed);
        AddLine(text, DescribeFailure(texts, result.readFailure));
        break;
    }
    AddLine(text, BackupLine(texts, result.readBack));
    if (result.before.Saved()) AddLine(text, Fill(texts.backupSaved, {result.before.path}));
    return text;
}

std::string DescribeRefusal(const CheckTexts& check, const ReportTexts& names, const WriteRefusal& refusal) {
    std::string text = Text(CheckMessage(check, refusal.rule));
    if (refusal.channel < 0) return text;
    const std::string channel = ChannelText(names, refusal.channel);
    const std::string low = MhzText(refusal.bandEdge, 0);
    const std::string high = MhzText(std::int64_t{refusal.bandEdge} + kBandWidth, 0);
    // The band itself is a setting: it is named, not the channel the check was at.
    if (refusal.rule == WriteRule::Band) AddLine(text, Fill(names.bandSetting, {low, high}));
    else AddLine(text, IsBandRule(refusal.rule) ? Fill(names.refusalBand, {channel, low, high}) : channel);
    return text;
}

bool WriteHasTrouble(const WriteResult& result) {
    return result.verify == VerifyOutcome::Differs || result.verify == VerifyOutcome::ReadFailed ||
           result.readBack.Failed() || result.before.Failed();
}

}  // namespace rk
