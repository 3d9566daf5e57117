#include "RuleTexts.h"

namespace rk::cli {

namespace {

// {split} and {top} stand for the model's greatest split and highest band
// edge in MHz.
const struct {
    const char* ValidationRules::*field;
    const char* english;
} kCheckTexts[] = {
    {&ValidationRules::sameFreqTalkaround, "talkaround is on while receive and transmit frequencies are equal"},
    {&ValidationRules::sameFreqRepeater, "repeater is on while receive and transmit frequencies are equal"},
    {&ValidationRules::sameFreqReverse, "reverse is on while receive and transmit frequencies are equal"},
    {&ValidationRules::split, "receive and transmit frequencies are more than {split} MHz apart"},
    {&ValidationRules::band, "the band must start at a whole MHz from 100 to {top} MHz"},
    {&ValidationRules::rxOutOfBand, "the receive frequency is outside the band"},
    {&ValidationRules::txOutOfBand, "the transmit frequency is outside the band"},
    {&ValidationRules::rxStep, "the receive frequency is not a multiple of 5 kHz or 6.25 kHz"},
    {&ValidationRules::txStep, "the transmit frequency is not a multiple of 5 kHz or 6.25 kHz"},
    {&ValidationRules::totLimit, "the transmit time limit must be from 0.1 to 10 minutes"},
    {&ValidationRules::repeaterDelay, "the repeater delay must be at most 10 seconds"},
};

const struct {
    const char* TransferTexts::*field;
    const char* english;
} kTransferTexts[] = {
    {&TransferTexts::openFailedHandshake, "cannot open the port"},
    {&TransferTexts::openFailedBlockRequest, "cannot open the port again to ask for the next block"},
    {&TransferTexts::openFailedWriteBlock, "cannot open the port again to send the next block"},
    {&TransferTexts::noHandshakeReply, "the radio does not answer: check the cable, the port and that the radio is on"},
    {&TransferTexts::readDone, "read from the radio"},
    {&TransferTexts::writeDone, "written to the radio"},
    {&TransferTexts::incompleteRead, "the radio's reply was incomplete"},
};

constexpr std::int32_t kCountsPerMhz = 100'000;

// Same-frequency failures carry the message of the first of these bits set,
// as the check tests them.
const char* ValidationRules::*SameFrequencyRule(const ConstChannelRecord& record) {
    if (record.HasOption(kTalkaround)) return &ValidationRules::sameFreqTalkaround;
    if (record.HasOption(kRepeater)) return &ValidationRules::sameFreqRepeater;
    return &ValidationRules::sameFreqReverse;
}

}  // namespace

QString CheckFailureText(const ModelRules& rules, const char* message, const ConstChannelRecord& record) {
    const ValidationRules& v = rules.validation;
    const char* ValidationRules::*rule = nullptr;
    if (message == v.sameFreqTalkaround || message == v.sameFreqRepeater || message == v.sameFreqReverse) {
        rule = SameFrequencyRule(record);
    } else {
        for (const auto& text : kCheckTexts)
            if (v.*(text.field) == message) rule = text.field;
    }
    QString english = QStringLiteral("the check failed");
    for (const auto& text : kCheckTexts)
        if (text.field == rule) english = QString::fromUtf8(text.english);
    english.replace(QLatin1String("{split}"), QString::number(v.greatestSplit / kCountsPerMhz));
    english.replace(QLatin1String("{top}"), QString::number(v.highestBandEdge / kCountsPerMhz));
    return message ? QStringLiteral("%1 (%2)").arg(english, ModelText(message)) : english;
}

QString TransferText(const ModelRules& rules, const QString& message) {
    for (const auto& text : kTransferTexts)
        if (message == QString::fromUtf8(rules.transfer.*(text.field)))
            return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(text.english), ModelText(rules.transfer.*(text.field)));
    return message;
}

QString ModelText(const char* utf8) {
    QString text = QString::fromUtf8(utf8);
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return text.simplified();
}

}  // namespace rk::cli
