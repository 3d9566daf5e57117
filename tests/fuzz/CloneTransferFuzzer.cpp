// The clone transfer of either model against a radio and a port that the
// fuzz input plays: which opens fail, what arrives and how much of it, when
// a window ends before the reply is complete, when the radio goes away, a
// second command while busy, the window closing mid-way. The port, the
// timers and the host are the tests' own fakes (FakeLink.h, TransferRecord.h),
// which also check how the transfer uses the line.
//
// Whatever happens: a running transfer waits on exactly one timer and ends;
// a read reported complete holds exactly the bytes the radio served, and a
// read that failed leaves the document as it was; a write puts exactly the
// image that passed the pre-write check on the line, in order, after an
// accepted handshake, and a write that the check refuses opens no port.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "CloneTransfer.h"
#include "FuzzCheck.h"
#include "FakeLink.h"
#include "FuzzInput.h"
#include "FuzzOracles.h"
#include "RadioDocument.h"
#include "Rk520Rules.h"
#include "Rk7400Rules.h"
#include "TestImages.h"
#include "TransferRecord.h"
#include "WriteValidation.h"

using namespace rk;
using namespace rk::fuzz;
using namespace rk::test;

namespace {

constexpr int kBlocks = 5;
constexpr std::uint8_t kCloseWindowMark = 0x5A;

// The image bytes block k carries: 256, and 64 for the last.
std::size_t BlockImageBytes(int k) {
    return std::min(kBlockSize, kImageSize - static_cast<std::size_t>(k) * kBlockSize);
}

// A document image that passes the pre-write check of both models, with a
// few bytes changed as the input says, so that some writes are refused.
RadioImage StartImage(FuzzInput& in) {
    RadioImage image = test::SampleImage();
    for (int changes = in.Byte() % 4; changes > 0; --changes) {
        const auto offset = static_cast<std::size_t>((in.Byte() << 8) | in.Byte()) % kImageSize;
        image.Bytes()[offset] = in.Byte();
    }
    return image;
}

// Reply bytes from a seed, so that an input of a few bytes can serve a
// whole block.
Bytes Generated(std::uint8_t seed, std::size_t count) {
    Bytes bytes(count);
    std::uint32_t x = seed * 2654435761u + 1;
    for (auto& b : bytes) {
        x = x * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(x >> 16);
    }
    return bytes;
}

bool IsFailureText(const std::string& message, const TransferTexts& t) {
    for (const char* text : {t.openFailedHandshake, t.openFailedBlockRequest, t.openFailedWriteBlock,
                             t.noHandshakeReply, t.incompleteRead}) {
        if (message == text) return true;
    }
    return false;
}

struct Run {
    const ModelRules& profile;
    bool write;
    FuzzInput& in;
    RadioDocument& document;
    FakeSerialPort& port;
    FakeTimers& timers;
    TransferRecord& host;
    CloneTransfer& transfer;
};

// The running timer fires; the fake port sees that the transfer closes it
// first. After the handshake window, an accepted reply
// (FF 11 first) leads on the same port to the first block request or write
// block, or to a message when that port no longer opens; any other reply
// leads only to the next port's handshake or to a message.
void FireTimer(Run& run) {
    const int id = *run.timers.running.begin();
    const Bytes& served = run.port.Served();
    const bool accepted = served.size() >= 2 && served[0] == 0xFF && served[1] == 0x11;
    const std::size_t sentBefore = run.port.sent.size();
    const std::size_t messagesBefore = run.host.messages.size();

    FireTimer(run.transfer, run.port, run.timers, id);
    FUZZ_CHECK(!run.port.IsOpen() || run.port.sent.size() > sentBefore);
    if (id != kHandshakeTimer) return;

    const std::size_t newSends = run.port.sent.size() - sentBefore;
    const bool newMessage = run.host.messages.size() > messagesBefore;
    FUZZ_CHECK(newSends + (newMessage ? 1 : 0) == 1);
    if (newMessage) {
        const std::string message = FirstLine(run.host.messages.back());
        const auto& texts = TextsOf(run.profile).transfer;
        FUZZ_CHECK(accepted ? message == (run.write ? texts.openFailedWriteBlock : texts.openFailedBlockRequest)
                            : message == texts.noHandshakeReply || message == texts.openFailedHandshake);
        return;
    }
    const auto& handshake = run.port.sent[sentBefore - 1];
    const auto& next = run.port.sent.back();
    if (!accepted) {
        FUZZ_CHECK(run.profile.searchesPorts && IsRequest(next.bytes, kHandshakeRequest));
        return;
    }
    FUZZ_CHECK(next.port == handshake.port);
    FUZZ_CHECK(run.write ? next.bytes.size() == kBlockSize : IsRequest(next.bytes, kBlockRequest));
}

// One step of the radio's or the user's side, as the input says; past the
// input's end only the timers fire, so every run comes to an end.
bool Step(Run& run) {
    FuzzInput& in = run.in;
    switch (in.Byte() % 8) {
    case 1: {
        Bytes reply{0xFF, 0x11};
        const auto more = in.Take(in.Byte() % 4);
        reply.insert(reply.end(), more.begin(), more.end());
        run.port.Deliver(reply);
        return true;
    }
    case 2: run.port.Deliver(in.Take(in.Byte())); return true;
    case 3: {
        const std::uint8_t seed = in.Byte();
        run.port.Deliver(Generated(seed, std::size_t{in.Byte()} + 1));
        return true;
    }
    case 4: run.port.Deliver(Generated(in.Byte(), kBlockSize)); return true;
    case 5: run.port.Vanish(); return true;
    case 6: {
        // A second command while busy is ignored.
        const std::size_t sentBefore = run.port.sent.size();
        const std::size_t messagesBefore = run.host.messages.size();
        if (in.Bit())
            run.transfer.OnWriteRadio(run.document.Image());
        else
            run.transfer.OnReadRadio();
        FUZZ_CHECK(!run.transfer.IsIdle() && run.port.sent.size() == sentBefore &&
                   run.host.messages.size() == messagesBefore);
        return true;
    }
    case 7:
        if (in.Byte() == kCloseWindowMark) {
            run.transfer.OnCloseRequest();
            FUZZ_CHECK(run.timers.running.empty() && !run.port.IsOpen());
            return false;
        }
        [[fallthrough]];
    default: FireTimer(run); return true;
    }
}

// What went out on the line: handshakes, then (after one was accepted) the
// block requests or write blocks, all on one port. Returns those.
std::vector<const Bytes*> Transfers(const FakeSerialPort& port, bool write) {
    std::vector<const Bytes*> blocks;
    const std::string* blockPort = nullptr;
    for (const auto& s : port.sent) {
        if (IsRequest(s.bytes, kHandshakeRequest)) {
            FUZZ_CHECK(blocks.empty());
            continue;
        }
        FUZZ_CHECK(write ? s.bytes.size() == kBlockSize : IsRequest(s.bytes, kBlockRequest));
        if (!blockPort) blockPort = &s.port;
        FUZZ_CHECK(s.port == *blockPort);
        blocks.push_back(&s.bytes);
    }
    FUZZ_CHECK(blocks.size() <= kBlocks);
    return blocks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const ModelRules& profile = in.Bit() ? Rk7400Rules() : Rk520Rules();
    const bool write = in.Bit();
    RadioDocument document;
    document.OnNewDocument();
    document.LoadImage(StartImage(in));
    const RadioImage before = document.Image();
    const ValidChannelList validBefore = document.ValidChannels();
    const bool modifiedBefore = document.IsModified();
    const int currentBefore = document.CurrentChannel();
    const auto listVersionBefore = document.ValidListVersion();
    RadioImage validated = before;
    const ValidationVerdict verdict = ValidateForWrite(validated, profile.validation);

    // Every port of the table opens unless the input says it is absent or
    // busy (past the input's end none opens); a port gone stays gone.
    FakeSerialPort port;
    port.openable = {kPortTable.begin(), kPortTable.end()};
    port.admit = [&in](const std::string&) { return in.Byte() % 4 != 0; };
    FakeTimers timers;
    TransferRecord host(profile, &document);
    CloneTransfer transfer(profile, port, timers, host, ValidateForWrite);
    transfer.SetPorts(ProgramPorts(profile, in.Bit() ? "COM2" : "COM1"));
    Run run{profile, write, in, document, port, timers, host, transfer};

    if (!write) {
        transfer.OnReadRadio();
    } else {
        // As the program does: the check refreshes the document, then its
        // image goes.
        document.RefreshDerived([&](RadioImage& image) { ValidateForWrite(image, profile.validation); });
        transfer.OnWriteRadio(document.Image());
        if (!verdict.passed) {
            FUZZ_CHECK(transfer.IsIdle() && port.opens == 0 && port.sent.empty() && timers.running.empty());
            FUZZ_CHECK(host.messages == std::vector<std::string>{CheckMessage(TextsOf(profile).check, verdict.rule)});
            FUZZ_CHECK(host.refused == std::vector<int>{verdict.failingChannel});
            FUZZ_CHECK(document.CurrentChannel() == verdict.failingChannel && document.Image() == validated);
            return 0;
        }
    }

    bool windowOpen = true;
    for (std::size_t steps = 0; windowOpen && !transfer.IsIdle(); ++steps) {
        FUZZ_CHECK(steps <= size + 64);
        FUZZ_CHECK(timers.running.size() == 1);
        windowOpen = Step(run);
    }
    FUZZ_CHECK(timers.running.empty() && !port.IsOpen());
    FUZZ_CHECK(host.messages.size() == (windowOpen ? 1u : 0u));
    // Only the ports it was given, and a write reported done neither checked
    // nor backed up, as it was not asked to.
    for (const std::string& event : port.events) {
        if (event.rfind("open", 0) != 0) continue;
        const std::string name = event.substr(event.find(' ') + 1);
        FUZZ_CHECK(std::find(kPortTable.begin(), kPortTable.end(), name) != kPortTable.end());
    }
    for (const WriteResult& result : host.writes)
        FUZZ_CHECK(result.verify == VerifyOutcome::NotAsked && !result.before.Saved());
    const std::vector<const Bytes*> blocks = Transfers(port, write);
    const TransferTexts& texts = TextsOf(profile).transfer;
    const char* done = write ? texts.writeDone : texts.readDone;
    const std::string closing = windowOpen ? FirstLine(host.messages.front()) : std::string();
    const bool completed = windowOpen && closing == done;
    if (windowOpen && !completed) FUZZ_CHECK(IsFailureText(closing, texts));

    if (write) {
        // Each block carries the next part of the checked image.
        for (std::size_t k = 0; k < blocks.size(); ++k) {
            const auto start = validated.Bytes().begin() + static_cast<std::ptrdiff_t>(k * kBlockSize);
            FUZZ_CHECK(std::equal(start, start + static_cast<std::ptrdiff_t>(BlockImageBytes(static_cast<int>(k))),
                                  blocks[k]->begin()));
        }
        FUZZ_CHECK(!completed || blocks.size() == kBlocks);
        FUZZ_CHECK(document.Image() == validated);
        return 0;
    }

    FUZZ_CHECK(port.blockReplies.size() == blocks.size());
    if (!completed) {
        FUZZ_CHECK(host.readShown == 0);
        FUZZ_CHECK(document.Image() == before && document.ValidChannels() == validBefore);
        FUZZ_CHECK(document.IsModified() == modifiedBefore && document.CurrentChannel() == currentBefore);
        return 0;
    }
    FUZZ_CHECK(host.readShown == 1 && blocks.size() == kBlocks);
    RadioImage served;
    for (int k = 0; k < kBlocks; ++k) {
        const Bytes& reply = port.blockReplies[static_cast<std::size_t>(k)];
        FUZZ_CHECK(reply.size() >= BlockImageBytes(k));
        std::copy_n(reply.begin(), BlockImageBytes(k),
                    served.Bytes().begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(k) * kBlockSize));
    }
    FUZZ_CHECK(document.Image() == served);
    FUZZ_CHECK(document.ValidChannels() == ConfiguredChannels(served));
    FUZZ_CHECK(document.ValidListVersion() != listVersionBefore && document.CurrentChannel() == 0 && document.IsModified());
    return 0;
}
