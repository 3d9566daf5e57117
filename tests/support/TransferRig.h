#pragma once
// The clone transfer state machine against a fake port and fake timers: the
// test plays the radio and fires every timer event itself. Shared by the
// transfer tests of each subject; RadioRig.h puts the whole link, and
// ProgramOnRadio.h a program, on a pseudo-terminal radio instead.

#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "CloneTransfer.h"
#include "FakeLink.h"
#include "DocumentRig.h"
#include "Rk520Rules.h"
#include "Rk7400Rules.h"
#include "TestImages.h"
#include "TransferRecord.h"

Q_DECLARE_METATYPE(rk::test::Bytes)
Q_DECLARE_METATYPE(rk::TransferPhase)
Q_DECLARE_METATYPE(rk::PortProblem)
Q_DECLARE_METATYPE(std::vector<std::string>)

namespace rk::test {

inline const ModelRules& ProfileNamed(const QString& name) { return name == "rk7400" ? Rk7400Rules() : Rk520Rules(); }

// Stands in for the pre-write check, which has tests of its own.
struct CheckPlan {
    bool pass = true;
    int failingChannel = -1;
    WriteRule rule = WriteRule::None;
    int calls = 0;
};
inline CheckPlan g_check;

inline ValidationVerdict FakeCheck(RadioImage& image, const ValidationRules&) {
    ++g_check.calls;
    ValidationVerdict verdict;
    verdict.passed = g_check.pass;
    if (g_check.pass)
        verdict.transferBytes = image.Bytes();
    else {
        verdict.failingChannel = g_check.failingChannel;
        verdict.rule = g_check.rule;
    }
    return verdict;
}

inline const Bytes kHandshake{0xFF, 0x11, 0x22, 0x33};
inline const Bytes kRequest{0xFF, 0x00, 0xFF, 0x00};

// The transfer as a program drives it: the menu's port and the model's
// search rule give the ports, a write sends the document's image and a read
// becomes the document's (TransferRecord).
struct Rig : DocumentRig {
    explicit Rig(const ModelRules& model)
        : DocumentRig(model), record(model, &document), transfer(model, port, timers, record, &FakeCheck, &archive) {}

    void Read() {
        transfer.SetPorts(Ports());
        transfer.OnReadRadio();
    }
    void Write(WriteOptions options = {}) {
        transfer.SetPorts(Ports());
        transfer.OnWriteRadio(document.Image(), options);
    }

    bool Fire(int id) { return FireTimer(transfer, port, timers, id); }

    // Answers the handshake and serves `replies` block by block; stops early
    // when a timer the read needs is not running.
    bool ServeRead(const std::vector<Bytes>& replies) {
        port.Reply(kHandshake);
        if (!Fire(kHandshakeTimer)) return false;
        for (const Bytes& reply : replies) {
            port.Reply(reply);
            if (!Fire(kBlockReplyTimer)) return false;
        }
        return true;
    }

    // Plays a radio that holds `image`: it answers every handshake, serves
    // its image to reads and keeps what writes send. Fires timers until the
    // transfer rests or `steps` timer events have passed.
    struct Radio {
        RadioImage image = SampleImage();
    };
    void Serve(Radio& radio, int steps = 1000) {
        for (int i = 0; i < steps; ++i) {
            if (timers.IsRunning(kHandshakeTimer)) {
                port.Reply(kHandshake);
                Fire(kHandshakeTimer);
            } else if (timers.IsRunning(kBlockReplyTimer)) {
                port.Reply(BlockReplies(radio.image)[static_cast<std::size_t>(transfer.State().readRow / 16)]);
                Fire(kBlockReplyTimer);
            } else if (timers.IsRunning(kWriteBlockTimer)) {
                const Bytes& block = port.sent.back().bytes;
                const auto start = static_cast<std::size_t>(transfer.State().writeRow) * 16;
                for (std::size_t b = 0; b < block.size() && start + b < kImageSize; ++b) radio.image[start + b] = block[b];
                Fire(kWriteBlockTimer);
            } else {
                return;
            }
        }
    }

    FakeSerialPort port;
    FakeTimers timers;
    FakeArchive archive;
    TransferRecord record;
    CloneTransfer transfer;
};

inline std::vector<std::string> Repeat(const std::vector<std::string>& part, int times) {
    std::vector<std::string> all;
    for (int i = 0; i < times; ++i) all.insert(all.end(), part.begin(), part.end());
    return all;
}

inline std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace rk::test
