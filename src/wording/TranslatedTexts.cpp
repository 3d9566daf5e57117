#include "TranslatedTexts.h"

#include <QCoreApplication>

namespace rk {
namespace {

// Every text of each struct, by member.
constexpr const char* TransferTexts::* kTransferTexts[] = {
    &TransferTexts::openFailedHandshake,
    &TransferTexts::openFailedBlockRequest,
    &TransferTexts::openFailedWriteBlock,
    &TransferTexts::noHandshakeReply,
    &TransferTexts::readDone,
    &TransferTexts::writeDone,
    &TransferTexts::incompleteRead,
    &TransferTexts::portDevice,
    &TransferTexts::portLine,
    &TransferTexts::portsTried,
    &TransferTexts::noSerialDevices,
    &TransferTexts::portUnassigned,
    &TransferTexts::portAbsent,
    &TransferTexts::portPermission,
    &TransferTexts::portInUse,
    &TransferTexts::portOpenFailed,
    &TransferTexts::noReply,
    &TransferTexts::wrongReply,
    &TransferTexts::nothingWritten,
    &TransferTexts::backupSaved,
    &TransferTexts::backupNotSaved,
    &TransferTexts::verifyMatches,
    &TransferTexts::verifyDiffers,
    &TransferTexts::verifyReadFailed,
    &TransferTexts::partlyWritten,
    &TransferTexts::blockOnLine,
};
constexpr const char* ReportTexts::* kReportTexts[] = {
    &ReportTexts::channel,
    &ReportTexts::channelField,
    &ReportTexts::refusalBand,
    &ReportTexts::bandSetting,
    &ReportTexts::difference,
    &ReportTexts::moreDifferences,
    &ReportTexts::byteAt,
    &ReportTexts::on,
    &ReportTexts::off,
    &ReportTexts::powerHigh,
    &ReportTexts::powerLow,
    &ReportTexts::codeNone,
    &ReportTexts::rxFrequency,
    &ReportTexts::txFrequency,
    &ReportTexts::rxCode,
    &ReportTexts::txCode,
    &ReportTexts::squelchLevel,
    &ReportTexts::repeaterDelay,
    &ReportTexts::power,
    &ReportTexts::txInhibit,
    &ReportTexts::beatShift,
    &ReportTexts::talkaround,
    &ReportTexts::repeater,
    &ReportTexts::reverse,
    &ReportTexts::scrambler,
    &ReportTexts::band,
    &ReportTexts::totLimit,
    &ReportTexts::scanGroupA,
    &ReportTexts::scanGroupB,
    &ReportTexts::lastUsedChannel,
    &ReportTexts::channelBitmap,
};
constexpr const char* CheckTexts::* kCheckTexts[] = {
    &CheckTexts::sameFreqTalkaround, &CheckTexts::sameFreqRepeater, &CheckTexts::sameFreqReverse,
    &CheckTexts::split,              &CheckTexts::band,             &CheckTexts::rxOutOfBand,
    &CheckTexts::txOutOfBand,        &CheckTexts::rxStep,           &CheckTexts::txStep,
    &CheckTexts::totLimit,           &CheckTexts::repeaterDelay,
};
static_assert(sizeof kCheckTexts / sizeof *kCheckTexts * sizeof(const char*) == sizeof(CheckTexts),
              "every text of CheckTexts is listed");
static_assert(sizeof kTransferTexts / sizeof *kTransferTexts * sizeof(const char*) == sizeof(TransferTexts),
              "every text of TransferTexts is listed");
static_assert(sizeof kReportTexts / sizeof *kReportTexts * sizeof(const char*) == sizeof(ReportTexts),
              "every text of ReportTexts is listed");

// A report names a channel in words where a channel list, from the same
// source text, may show its bare number (rk520's English list): a
// translation marked so wins, and without one the plain one serves.
constexpr const char* kReportChannel = "report";

}  // namespace

TranslatedTexts::TranslatedTexts(const ModelTexts& texts) : m_model(texts) { Retranslate(texts); }

void TranslatedTexts::Retranslate(const ModelTexts& texts) {
    m_model = texts;
    for (const auto text : kCheckTexts) m_model.check.*text = Translate(m_model.check.*text);
    for (const auto text : kTransferTexts) m_model.transfer.*text = Translate(m_model.transfer.*text);
    for (const auto text : kReportTexts)
        m_model.report.*text = Translate(m_model.report.*text, text == &ReportTexts::channel ? kReportChannel : nullptr);
}

const char* TranslatedTexts::Translate(const char* text, const char* disambiguation) {
    if (!text) return nullptr;
    m_texts.push_back(QCoreApplication::translate(m_model.context, text, disambiguation).toUtf8());
    return m_texts.back().constData();
}

}  // namespace rk
