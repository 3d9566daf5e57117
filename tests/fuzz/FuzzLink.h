#pragma once
// The clone transfer's surroundings for the transfer fuzz target: a serial
// port whose opens succeed or fail as the fuzz input says and that records
// every byte put on the line, one-shot timers that the target fires itself,
// and a host that records what the user would see. The port checks how the
// transfer uses it: one open at a time, sends and reads only while open,
// and the port closed first whenever a timer fires.

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "CloneTransfer.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "RadioDocument.h"
#include "SerialPort.h"
#include "TransferListener.h"
#include "TransferReport.h"
#include "TransferTimers.h"

namespace rk::fuzz {

using Bytes = std::vector<std::uint8_t>;

class FuzzPort final : public SerialPort {
public:
    explicit FuzzPort(FuzzInput& input) : m_input(input) {}

    struct Sent {
        std::string port;
        Bytes bytes;
    };
    enum class ReadKind { Handshake, Block };

    // Everything sent, in order.
    std::vector<Sent> sent;
    int opens = 0;

    bool OpenPort(const std::string& name) override {
        CheckNotExpectingClose();
        FUZZ_CHECK(!m_open);
        FUZZ_CHECK(std::find(kPortTable.begin(), kPortTable.end(), name) != kPortTable.end());
        // A port that is gone stays gone; any other opens unless the input
        // says it is absent or busy (and past the input's end none opens).
        if (m_gone.count(name) || m_input.Byte() % 4 == 0) return false;
        ++opens;
        m_open = true;
        m_name = name;
        return true;
    }

    void WritePort(std::span<const std::uint8_t> bytes) override {
        CheckNotExpectingClose();
        FUZZ_CHECK(m_open);
        sent.push_back({m_name, Bytes(bytes.begin(), bytes.end())});
    }

    void StartRead(ReceiveBuffer& buffer) override {
        CheckNotExpectingClose();
        FUZZ_CHECK(m_open && !sent.empty() && sent.back().port == m_name);
        const Bytes& request = sent.back().bytes;
        const bool handshake = std::equal(request.begin(), request.end(), kHandshakeRequest.begin(), kHandshakeRequest.end());
        FUZZ_CHECK(handshake || std::equal(request.begin(), request.end(), kBlockRequest.begin(), kBlockRequest.end()));
        buffer.count = 0;
        m_reading = &buffer;
        m_readKind = handshake ? ReadKind::Handshake : ReadKind::Block;
        m_served.clear();
        if (!handshake) blockReplies.emplace_back();
    }

    void ClosePort() override {
        m_expectingClose = false;
        m_open = false;
        m_reading = nullptr;
    }

    // The radio's side: bytes arrive for the read in progress, as many as
    // fit in 256; with no read running they are lost.
    void Deliver(std::span<const std::uint8_t> bytes) {
        if (!m_reading) return;
        const std::size_t n = std::min(bytes.size(), kReceiveBufferSize - m_reading->count);
        std::copy_n(bytes.begin(), n, m_reading->bytes.begin() + static_cast<std::ptrdiff_t>(m_reading->count));
        m_reading->count += n;
        m_served.insert(m_served.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
        if (m_readKind == ReadKind::Block) blockReplies.back() = m_served;
    }

    // The radio goes away: the read in progress ends and the port opens no more.
    void Vanish() {
        m_reading = nullptr;
        if (m_open) m_gone.insert(m_name);
    }

    // A timer is about to fire: the transfer must close the port before it
    // does anything else.
    void ExpectClose() { m_expectingClose = true; }

    bool ExpectingClose() const { return m_expectingClose; }
    bool IsOpen() const { return m_open; }
    bool Reading() const { return m_reading != nullptr; }
    ReadKind LastReadKind() const { return m_readKind; }
    // Bytes that arrived for the latest read.
    const Bytes& Served() const { return m_served; }
    // The bytes that arrived for each block request, in order.
    std::vector<Bytes> blockReplies;

private:
    void CheckNotExpectingClose() const { FUZZ_CHECK(!m_expectingClose); }

    FuzzInput& m_input;
    bool m_open = false;
    bool m_expectingClose = false;
    std::string m_name;
    std::set<std::string> m_gone;
    ReceiveBuffer* m_reading = nullptr;
    ReadKind m_readKind = ReadKind::Handshake;
    Bytes m_served;
};

class FuzzTimers final : public TransferTimers {
public:
    std::set<int> running;

    void StartTimer(int id) override {
        FUZZ_CHECK(ProtocolPeriodMs(id) > 0);
        running.insert(id);
    }
    void StopTimer(int id) override { running.erase(id); }
};

// Plays the program's part too: a read becomes the document's image, a
// refused write selects the failing channel.
class FuzzHost final : public TransferListener {
public:
    FuzzHost(const ModelTexts& texts, RadioDocument& document) : m_texts(texts), m_document(document) {}

    // What each closing report says first: the model's own text (a failure's
    // explanation lines are left out).
    std::vector<std::string> messages;
    int readImageShown = 0;
    std::vector<int> refusedChannels;

    void ReadCompleted(const ReadResult& result) override {
        m_document.TakeReadImage(result.image);
        ++readImageShown;
        messages.emplace_back(m_texts.transfer.readDone);
    }
    void WriteCompleted(const WriteResult& result) override {
        FUZZ_CHECK(result.verify == VerifyOutcome::NotAsked && !result.before.Saved());
        messages.emplace_back(m_texts.transfer.writeDone);
    }
    void WriteRefused(const WriteRefusal& refusal) override {
        const char* message = CheckMessage(m_texts.check, refusal.rule);
        FUZZ_CHECK(message != nullptr);
        messages.emplace_back(message);
        if (refusal.channel >= 0) {
            refusedChannels.push_back(refusal.channel);
            m_document.SetCurrentChannel(refusal.channel);
        }
    }
    void TransferFailed(const TransferFailure& failure) override {
        const std::string message = DescribeFailure(m_texts.transfer, failure);
        messages.push_back(message.substr(0, message.find('\n')));
    }

private:
    const ModelTexts& m_texts;
    RadioDocument& m_document;
};

}  // namespace rk::fuzz
