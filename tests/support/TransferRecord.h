#pragma once
// Records what a clone transfer reports, in order, as a program would show
// it: the message texts (worded as the programs word them), every step and
// result. With a document it also plays the program's part: a read becomes
// the document's image (channel 0 current), a refused write selects the
// failing channel. Listen to a CloneTransfer directly, or to a CloneLink
// through ListenTo (LinkRecord.h).

#include <QStringList>
#include <chrono>
#include <string>
#include <vector>

#include "ModelRules.h"
#include "RadioDocument.h"
#include "Rk520Rules.h"
#include "Rk520Texts.h"
#include "Rk7400Rules.h"
#include "Rk7400Texts.h"
#include "TransferListener.h"
#include "TransferReport.h"

namespace rk::test {

// The texts the programs of the model of `rules` word its reports with.
inline const ModelTexts& TextsOf(const ModelRules& rules) {
    return &rules == &Rk7400Rules() ? Rk7400Texts() : Rk520Texts();
}

class TransferRecord final : public TransferListener {
public:
    explicit TransferRecord(const ModelRules& rules, RadioDocument* document = nullptr)
        : m_texts(TextsOf(rules)), m_document(document) {}

    std::vector<std::string> messages;
    int readShown = 0;
    std::vector<int> refused;
    std::vector<WriteRefusal> refusals;
    std::vector<TransferStep> steps;
    std::vector<double> stepMs;  // when each step began, on the steady clock
    std::vector<ReadResult> reads;
    std::vector<WriteResult> writes;
    std::vector<TransferFailure> failures;
    std::vector<TransferPhase> stops;

    void StepStarted(const TransferStep& step) override {
        steps.push_back(step);
        stepMs.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count());
    }
    void ReadCompleted(const ReadResult& result) override {
        reads.push_back(result);
        if (m_document) {
            m_document->TakeReadImage(result.image);
            ++readShown;
        }
        messages.push_back(DescribeRead(m_texts.transfer, result));
    }
    void WriteCompleted(const WriteResult& result) override {
        writes.push_back(result);
        messages.push_back(DescribeWrite(m_texts.transfer, ReportTexts{}, result));
    }
    void WriteRefused(const WriteRefusal& refusal) override {
        refusals.push_back(refusal);
        if (const char* message = CheckMessage(m_texts.check, refusal.rule)) messages.emplace_back(message);
        if (refusal.channel >= 0) {
            refused.push_back(refusal.channel);
            if (m_document) m_document->SetCurrentChannel(refusal.channel);
        }
    }
    void TransferFailed(const TransferFailure& failure) override {
        failures.push_back(failure);
        messages.push_back(DescribeFailure(m_texts.transfer, failure));
    }
    void TransferStopped(TransferPhase phase) override { stops.push_back(phase); }

    bool Done() const { return !messages.empty() || !stops.empty(); }
    QStringList Messages() const {
        QStringList all;
        for (const std::string& m : messages) all << QString::fromStdString(m);
        return all;
    }
    // Each message up to its first line break: the model's own text, before
    // what explains it.
    QStringList FirstLines() const {
        QStringList lines;
        for (const QString& m : Messages()) lines << m.section(QLatin1Char('\n'), 0, 0);
        return lines;
    }

private:
    const ModelTexts& m_texts;
    RadioDocument* m_document;
};

// The first line of a message.
inline std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

inline std::vector<std::string> FirstLines(const std::vector<std::string>& texts) {
    std::vector<std::string> lines;
    for (const auto& text : texts) lines.push_back(FirstLine(text));
    return lines;
}

}  // namespace rk::test
