#pragma once
// Test doubles for the clone transfer's surroundings: a serial port whose
// replies the test hands in, timers the test fires itself, and an archive
// that keeps backups in memory. TransferRecord.h records the reports.
//
// The port and the timers check how the transfer uses them and throw
// std::logic_error when it breaks the rules: one open at a time; sends and
// reads only while open; every read answers the request just sent on that
// port (handshake or block request); the port closed first whenever a timer
// fires (FireTimer); only the protocol's timers.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "CloneTransfer.h"
#include "ModelRules.h"
#include "SerialPort.h"
#include "TransferListener.h"
#include "TransferTimers.h"

namespace rk::test {

using Bytes = std::vector<std::uint8_t>;

inline bool IsRequest(const Bytes& bytes, const std::array<std::uint8_t, 4>& request) {
    return std::equal(bytes.begin(), bytes.end(), request.begin(), request.end());
}

class FakeSerialPort final : public SerialPort {
public:
    // Names that open; every other name fails.
    std::set<std::string> openable{"COM1"};
    // Successful opens still allowed; -1 for no limit.
    int opensLeft = -1;
    // Asked on every open of an openable name; false fails it. Lets a caller
    // (the fuzz input) decide each open as it comes.
    std::function<bool(const std::string&)> admit;
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
    int opens = 0;  // successful ones
    // The bytes that arrived for each block request, in order.
    std::vector<Bytes> blockReplies;

    bool OpenPort(const std::string& name) override {
        CheckNoTimerPending();
        if (m_open) throw std::logic_error("port opened twice");
        m_last = {name, "/dev/fake-" + name, PortProblem::None};
        if (!openable.count(name) || opensLeft == 0 || (admit && !admit(name))) {
            events.push_back("open-failed " + name);
            const auto problem = problems.find(name);
            m_last.problem = problem != problems.end() ? problem->second : PortProblem::Absent;
            return false;
        }
        events.push_back("open " + name);
        if (opensLeft > 0) --opensLeft;
        ++opens;
        m_open = true;
        m_name = name;
        return true;
    }
    PortAttempt LastOpen() const override { return m_last; }
    void WritePort(std::span<const std::uint8_t> bytes) override {
        CheckNoTimerPending();
        if (!m_open) throw std::logic_error("write on a closed port");
        events.push_back("write " + std::to_string(bytes.size()));
        sent.push_back({m_name, Bytes(bytes.begin(), bytes.end())});
    }
    void StartRead(ReceiveBuffer& buffer) override {
        CheckNoTimerPending();
        if (!m_open) throw std::logic_error("read on a closed port");
        if (sent.empty() || sent.back().port != m_name) throw std::logic_error("read with no request on this port");
        const Bytes& request = sent.back().bytes;
        const bool handshake = IsRequest(request, kHandshakeRequest);
        if (!handshake && !IsRequest(request, kBlockRequest)) throw std::logic_error("read after a write block");
        events.push_back("read");
        buffer.count = 0;
        m_reading = &buffer;
        m_served.clear();
        m_blockRead = !handshake;
        if (m_blockRead) blockReplies.emplace_back();
    }
    void ClosePort() override {
        events.push_back("close");
        m_timerPending = false;
        m_open = false;
        m_reading = nullptr;
    }

    // The radio answers the read in progress, as the real port would: from
    // byte 0, at most 256 bytes. Nothing happens when no read is running.
    void Reply(const Bytes& reply) {
        if (!m_reading) return;
        m_reading->count = 0;
        m_served.clear();
        Deliver(reply);
    }
    // More bytes arrive for the read in progress, after those already there,
    // as many as still fit in 256.
    void Deliver(std::span<const std::uint8_t> bytes) {
        if (!m_reading) return;
        const std::size_t n = std::min(bytes.size(), m_reading->bytes.size() - m_reading->count);
        std::copy_n(bytes.begin(), n, m_reading->bytes.begin() + static_cast<std::ptrdiff_t>(m_reading->count));
        m_reading->count += n;
        m_served.insert(m_served.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
        if (m_blockRead) blockReplies.back() = m_served;
    }
    // The radio goes away: the read in progress ends and the port no longer
    // opens.
    void Vanish() {
        m_reading = nullptr;
        if (m_open) openable.erase(m_name);
    }

    // A timer is about to fire: the transfer must close the port before it
    // touches the line again.
    void TimerFiring() { m_timerPending = true; }
    bool TimerPending() const { return m_timerPending; }

    bool IsOpen() const { return m_open; }
    const std::string& OpenName() const { return m_name; }
    // The bytes that arrived for the latest read.
    const Bytes& Served() const { return m_served; }
    // Bytes of every write, in order.
    Bytes AllSent() const {
        Bytes all;
        for (const auto& s : sent) all.insert(all.end(), s.bytes.begin(), s.bytes.end());
        return all;
    }

private:
    void CheckNoTimerPending() const {
        if (m_timerPending) throw std::logic_error("the line used before the port was closed for a timer");
    }

    bool m_open = false;
    bool m_timerPending = false;
    bool m_blockRead = false;
    std::string m_name;
    PortAttempt m_last;
    ReceiveBuffer* m_reading = nullptr;
    Bytes m_served;
};

class FakeTimers final : public TransferTimers {
public:
    std::set<int> running;
    std::vector<int> started;  // every start, in order

    void StartTimer(int id) override {
        if (ProtocolPeriodMs(id) <= 0) throw std::logic_error("start of an unknown timer");
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

// Fires timer `id` the way the event loop would: it is one-shot, and the
// transfer must close the port before it does anything else. False when the
// timer is not running.
inline bool FireTimer(CloneTransfer& transfer, FakeSerialPort& port, FakeTimers& timers, int id) {
    if (!timers.IsRunning(id)) return false;
    timers.running.erase(id);
    port.TimerFiring();
    transfer.OnTimer(id);
    if (port.TimerPending()) throw std::logic_error("a timer fired and the port stayed open");
    return true;
}

}  // namespace rk::test
