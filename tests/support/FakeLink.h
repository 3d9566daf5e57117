#pragma once
// Test doubles for the clone transfer's surroundings: a serial port whose
// replies the test hands in, timers the test fires itself, and a listener
// that records what the transfer reports.

#include <algorithm>
#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "SerialPort.h"
#include "TransferListener.h"
#include "TransferTimers.h"

namespace rk::test {

using Bytes = std::vector<std::uint8_t>;

class FakeSerialPort final : public SerialPort {
public:
    // Names that open; every other name fails.
    std::set<std::string> openable{"COM1"};
    // Successful opens still allowed; -1 for no limit.
    int opensLeft = -1;

    // Everything the transfer did, in order: "open COM1", "open-failed COM3",
    // "write 4", "read", "close".
    std::vector<std::string> events;
    struct Sent {
        std::string port;
        Bytes bytes;
    };
    std::vector<Sent> sent;

    bool OpenPort(const std::string& name) override {
        if (m_open) throw std::logic_error("port opened twice");
        if (!openable.count(name) || opensLeft == 0) {
            events.push_back("open-failed " + name);
            return false;
        }
        events.push_back("open " + name);
        if (opensLeft > 0) --opensLeft;
        m_open = true;
        m_name = name;
        return true;
    }
    void WritePort(std::span<const std::uint8_t> bytes) override {
        if (!m_open) throw std::logic_error("write on a closed port");
        events.push_back("write " + std::to_string(bytes.size()));
        sent.push_back({m_name, Bytes(bytes.begin(), bytes.end())});
    }
    void StartRead(ReceiveBuffer& buffer) override {
        if (!m_open) throw std::logic_error("read on a closed port");
        events.push_back("read");
        buffer.count = 0;
        m_reading = &buffer;
    }
    void ClosePort() override {
        events.push_back("close");
        m_open = false;
        m_reading = nullptr;
    }

    // The radio answers the read in progress, as the real port would: from
    // byte 0, at most 256 bytes. Nothing happens when no read is running.
    void Reply(const Bytes& reply) {
        if (!m_reading) return;
        const std::size_t n = std::min(reply.size(), m_reading->bytes.size());
        std::copy_n(reply.begin(), n, m_reading->bytes.begin());
        m_reading->count = n;
    }

    bool IsOpen() const { return m_open; }
    const std::string& OpenName() const { return m_name; }
    // Bytes of every write, in order.
    Bytes AllSent() const {
        Bytes all;
        for (const auto& s : sent) all.insert(all.end(), s.bytes.begin(), s.bytes.end());
        return all;
    }

private:
    bool m_open = false;
    std::string m_name;
    ReceiveBuffer* m_reading = nullptr;
};

class FakeTimers final : public TransferTimers {
public:
    std::set<int> running;
    std::vector<int> started;  // every start, in order

    void StartTimer(int id) override {
        running.insert(id);
        started.push_back(id);
    }
    void StopTimer(int id) override { running.erase(id); }
    bool IsRunning(int id) const { return running.count(id) != 0; }
};

class RecordingListener final : public TransferListener {
public:
    // Every message text, in order, and how often each report came.
    std::vector<std::string> messages;
    int readImageShown = 0;
    std::vector<int> refusedChannels;
    std::vector<TransferStep> steps;

    void StepStarted(const TransferStep& step) override { steps.push_back(step); }
    void ReadCompleted(const char* message) override {
        ++readImageShown;
        Record(message);
    }
    void WriteCompleted(const char* message) override { Record(message); }
    void WriteRefused(int channel, const char* message) override {
        if (message) Record(message);
        if (channel >= 0) refusedChannels.push_back(channel);
    }
    void TransferFailed(const char* message) override { Record(message); }

private:
    void Record(const char* message) { messages.emplace_back(message ? message : "<null>"); }
};

}  // namespace rk::test
