#pragma once
// A radio on a pseudo-terminal. Open SlavePath() like a serial port: the
// simulator answers the handshake FF 11 22 33, serves its image block by
// block for each FF 00 FF 00, records every byte a write sends with its
// arrival time and keeps each whole block written in its image, so that a
// later read returns it; a write that pauses for 2.5 s has been given up. It
// misbehaves on request. It runs on a thread of its own; the recorded data
// may be read at any time.

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "RadioImage.h"

namespace rk::test {

class RadioSimulator {
public:
    using Bytes = std::vector<std::uint8_t>;

    // How one block reply goes out.
    struct BlockReply {
        int length = 256;        // bytes sent; past 256 the simulator sends filler
        bool garbled = false;    // every byte inverted
        int pauseAfter = -1;     // bytes sent before a pause; -1 for none
        int pauseMs = 0;
    };

    struct Behaviour {
        Bytes handshakeReply{0xFF, 0x11, 0x22, 0x33};  // empty: the radio stays silent
        // One byte every 1/240 s as at 2400 baud 8N1; otherwise as fast as
        // the pseudo-terminal takes them.
        bool paced = false;
        std::array<BlockReply, 5> blocks{};
        // Close the pseudo-terminal, as if the cable were pulled, after this
        // many reply bytes have been sent, counting the handshake reply
        // (-1: never).
        int vanishAfterSent = -1;
        // ... or after this many bytes of a write have arrived (-1: never).
        int vanishAfterWritten = -1;
        // How long the radio lingers after that last byte before it goes.
        int vanishDelayMs = 0;
        // Keep this image byte of a write wrongly (inverted); -1: keep all.
        int storeWrongAt = -1;
        // Answer no handshake once a whole write has been kept.
        bool silentAfterWrite = false;
    };

    // Bytes that arrived in one read of the pseudo-terminal.
    struct Arrival {
        double ms;  // since Start()
        Bytes bytes;
    };
    // One 256-byte block of a write, with the arrival time of its first byte.
    struct WrittenBlock {
        double ms;
        Bytes bytes;
    };

    explicit RadioSimulator(const RadioImage& image);
    ~RadioSimulator();
    RadioSimulator(const RadioSimulator&) = delete;
    RadioSimulator& operator=(const RadioSimulator&) = delete;

    // Opens the pseudo-terminal (raw mode) and starts serving. False when no
    // pseudo-terminal could be had.
    bool Start(const Behaviour& behaviour);
    // Another radio on the same pseudo-terminal, as when the cable is moved
    // to the next radio of a series: it holds `image`, behaves as asked and
    // has recorded nothing yet. Between exchanges only; SlavePath() stays,
    // unless the last radio vanished, which took its terminal with it.
    bool Swap(const RadioImage& image, const Behaviour& behaviour);
    void Stop();
    std::string SlavePath() const { return m_slavePath; }

    std::vector<Arrival> Arrivals() const;
    Bytes Received() const;                 // every byte that arrived, in order
    std::vector<double> HandshakeTimes() const;
    std::vector<double> BlockRequestTimes() const;
    std::vector<WrittenBlock> WrittenBlocks() const;
    // The bytes of the last write: everything after its handshake.
    Bytes WrittenBytes() const;
    bool Vanished() const { return m_vanished; }
    // The image the radio holds now.
    RadioImage Image() const;

    // The terminal's line settings as "2400 8N1"; empty once vanished.
    std::string LineSummary() const;
    // Puts the terminal at 9600 baud with 2 stop bits, so that a later open
    // can be seen to set the line. (A pseudo-terminal keeps 8 bits and no
    // parity whatever it is told.)
    void SetOddLineSettings();

private:
    enum class Mode { Command, AfterHandshake, Reading, Writing };

    void Serve();
    void Run(std::promise<void>& listening);
    void Take(std::uint8_t byte, double ms);
    void SendBlock(std::size_t index);
    void KeepWrittenBlock();
    bool SendBytes(const Bytes& bytes, int pauseAfter, int pauseMs);
    void Vanish();
    double Now() const;

    RadioImage m_image;  // guarded by m_mutex
    Behaviour m_behaviour;
    int m_master = -1;
    int m_slaveHold = -1;  // keeps the terminal alive between the program's opens
    std::string m_slavePath;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_vanished{false};
    std::chrono::steady_clock::time_point m_start;

    // Owned by the simulator thread.
    Mode m_mode = Mode::Command;
    Bytes m_window;  // the last four bytes while looking for a command
    std::size_t m_blockIndex = 0;
    int m_sentReplyBytes = 0;
    int m_writtenCount = 0;
    double m_lastWrittenMs = 0;
    bool m_silent = false;

    mutable std::mutex m_mutex;  // guards what follows
    std::vector<Arrival> m_arrivals;
    std::vector<double> m_handshakes;
    std::vector<double> m_requests;
    std::vector<WrittenBlock> m_written;
};

}  // namespace rk::test
