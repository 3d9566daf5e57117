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
};
constexpr const char* ReportTexts::* kReportTexts[] = {
    &ReportTexts::channel,
    &ReportTexts::channelField,
    &ReportTexts::refusalBand,
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
constexpr const char* ValidationRules::* kValidationTexts[] = {
    &ValidationRules::sameFreqTalkaround, &ValidationRules::sameFreqRepeater, &ValidationRules::sameFreqReverse,
    &ValidationRules::split,              &ValidationRules::band,             &ValidationRules::rxOutOfBand,
    &ValidationRules::txOutOfBand,        &ValidationRules::rxStep,           &ValidationRules::txStep,
    &ValidationRules::totLimit,           &ValidationRules::repeaterDelay,
};
static_assert(sizeof kTransferTexts / sizeof *kTransferTexts * sizeof(const char*) == sizeof(TransferTexts),
              "every text of TransferTexts is listed");
static_assert(sizeof kReportTexts / sizeof *kReportTexts * sizeof(const char*) == sizeof(ReportTexts),
              "every text of ReportTexts is listed");

}  // namespace

TranslatedTexts::TranslatedTexts(const ModelRules& rules, const ReportTexts& report)
    : m_rules(rules), m_report(report) {
    Retranslate(rules, report);
}

void TranslatedTexts::Retranslate(const ModelRules& rules, const ReportTexts& report) {
    m_rules = rules;
    m_report = report;
    for (const auto text : kValidationTexts) m_rules.validation.*text = Translate(m_rules.validation.*text);
    for (const auto text : kTransferTexts) m_rules.transfer.*text = Translate(m_rules.transfer.*text);
    for (const auto text : kReportTexts) m_report.*text = Translate(m_report.*text);
}

const char* TranslatedTexts::Translate(const char* text) {
    if (!text) return nullptr;
    m_texts.push_back(QCoreApplication::translate(m_rules.programName, text).toUtf8());
    return m_texts.back().constData();
}

}  // namespace rk
