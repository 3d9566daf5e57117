#pragma once
// Puts the transfer's reports into words: the texts of failed ports, of a
// finished read or write, of a refused write and of a failed check. Every
// front end uses these with its own texts: the programs with their model's
// rules and profile, the command line with its own language. No Qt.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "ModelTexts.h"
#include "SerialPort.h"
#include "TransferListener.h"
#include "TransferOutcome.h"

namespace rk {

// `format` with %1..%9 replaced by `args` in one pass: text that comes in
// through an argument is never looked at again.
std::string Fill(const char* format, std::initializer_list<std::string_view> args);

// "COM1 = /dev/ttyUSB0: cause", one line.
std::string ExplainPort(const TransferTexts& texts, const PortAttempt& attempt);
// Every port a search tried, one line each under a heading; just the
// no-device text when the machine has no serial device at all.
std::string ExplainSearch(const TransferTexts& texts, const std::vector<PortAttempt>& tried);

// "03频道", "Канал 03" for channel index 0..63.
std::string ChannelText(const ReportTexts& names, int channel);

// How a value is written: as the form shows it, for the programs' messages,
// or as rkradio lists it (frequencies with four decimals, "-" for no code).
enum class ValueStyle { Form, Listing };
inline constexpr int kListedDecimals = 4;
std::string ValueText(const ReportTexts& names, const FieldValue& value, ValueStyle style = ValueStyle::Form);

// The name of a compared field; nullptr for a byte of no field.
const char* ReportFieldName(const ReportTexts& names, DiffField field);

// Lines for the differences, in image order: at most `maxLines`, then one
// line that counts the rest.
inline constexpr std::size_t kDifferenceLines = 12;
// Where the user looks through the changes before acting on them.
inline constexpr std::size_t kPreviewLines = 30;
std::vector<std::string> DifferenceLines(const ReportTexts& names, const std::vector<FieldDifference>& differences,
                                         std::size_t maxLines = kDifferenceLines);

// Whole message texts, lines separated by '\n'.
// A failure: the model's message, then the ports it concerns or the backup,
// and for a failed backup that nothing was written.
std::string DescribeFailure(const TransferTexts& texts, const TransferFailure& failure);
// A failed operation: DescribeFailure, and for a write that reached the
// radio how much of it did and where the data from before it are.
std::string DescribeOutcomeFailure(const TransferTexts& texts, const TransferOutcome& outcome);
// "%1 of %2 blocks" for a partly written radio; empty otherwise.
std::string PartlyWrittenLine(const TransferTexts& texts, const TransferOutcome& outcome);
std::string DescribeRead(const TransferTexts& texts, const ReadResult& result);
std::string DescribeWrite(const TransferTexts& texts, const ReportTexts& names, const WriteResult& result);
std::string DescribeRefusal(const CheckTexts& check, const ReportTexts& names, const WriteRefusal& refusal);

// A finished write that did not go as asked: a check that failed or found
// differences, or a backup that could not be kept.
bool WriteHasTrouble(const WriteResult& result);

}  // namespace rk
