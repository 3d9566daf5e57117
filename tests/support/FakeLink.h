#pragma once
// Test doubles for the clone transfer's surroundings: a serial port whose
// replies the test hands in, timers the test fires itself, and an archive
// that keeps backups in memory. TransferRecord.h records the reports.

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "ModelRules.h"
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
    // Why a name fails to open; Absent when not given. Every name stands for
    // the device "/dev/fake-<name>".
    std::map<std::string, PortProblem> problems;

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
        m_last = {name, "/dev/fake-" + name, PortProblem::None};
        if (!openable.count(name) || opensLeft == 0) {
            events.push_back("open-failed " + name);
            const auto problem = problems.find(name);
            m_last.problem = problem != problems.end() ? problem->second : PortProblem::Absent;
            return false;
        }
        events.push_back("open " + name);
        if (opensLeft > 0) --opensLeft;
        m_open = true;
        m_name = name;
        return true;
    }
    PortAttempt LastOpen() const override { return m_last; }
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
    PortAttempt m_last;
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

// Every backup the transfer asks for, kept in memory; fails on request.
class FakeArchive final : public BackupArchive {
public:
    struct Kept {
        BackupKind kind;
        RadioImage image;
    };
    std::vector<Kept> kept;
    bool fail = false;

    BackupCopy Keep(const RadioImage& image, BackupKind kind) override {
        if (fail) return {"/backups/full", "No space left on device"};
        kept.push_back({kind, image});
        return {"/backups/" + std::to_string(kept.size()), ""};
    }
};

}  // namespace rk::test
