#include "RadioSimulator.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <future>

namespace rk::test {
namespace {

constexpr std::array<std::uint8_t, 4> kHandshake{0xFF, 0x11, 0x22, 0x33};
constexpr std::array<std::uint8_t, 4> kRequest{0xFF, 0x00, 0xFF, 0x00};
constexpr std::size_t kWriteLength = 5 * 256;
// 10 bit times per byte at 2400 baud.
constexpr std::chrono::microseconds kByteTime{4167};
// A write that pauses this long has been given up: the radio listens for
// commands again. The protocol gives each block 2 s.
constexpr double kWriteGiveUpMs = 2500;

// The bytes of `parts` (arrivals or written blocks), one after another.
template <typename Parts>
RadioSimulator::Bytes Joined(const Parts& parts) {
    RadioSimulator::Bytes all;
    for (const auto& part : parts) all.insert(all.end(), part.bytes.begin(), part.bytes.end());
    return all;
}

bool EndsWith(const std::vector<std::uint8_t>& window, const std::array<std::uint8_t, 4>& command) {
    return window.size() >= 4 && std::equal(command.begin(), command.end(), window.end() - 4);
}

}  // namespace

RadioSimulator::RadioSimulator(const RadioImage& image) : m_image(image) {}

RadioSimulator::~RadioSimulator() { Stop(); }

bool RadioSimulator::Start(const Behaviour& behaviour) {
    Stop();
    m_behaviour = behaviour;
    char name[256] = {};
    if (openpty(&m_master, &m_slaveHold, name, nullptr, nullptr) != 0) return false;
    m_slavePath = name;
    termios tio{};
    if (tcgetattr(m_slaveHold, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(m_slaveHold, TCSANOW, &tio);
    }
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_start = std::chrono::steady_clock::now();
    m_vanished = false;
    Serve();
    return true;
}

bool RadioSimulator::Swap(const RadioImage& image, const Behaviour& behaviour) {
    {
        std::lock_guard lock(m_mutex);
        m_image = image;
    }
    if (m_vanished || m_master < 0) return Start(behaviour);
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    m_behaviour = behaviour;
    {
        std::lock_guard lock(m_mutex);
        m_arrivals.clear();
        m_handshakes.clear();
        m_requests.clear();
        m_written.clear();
    }
    Serve();
    return true;
}

// The radio starts afresh, listening for a command, and is listening before
// this returns, so that a program that opens the port at once is answered
// without waiting for the thread.
void RadioSimulator::Serve() {
    m_stop = false;
    m_silent = false;
    m_mode = Mode::Command;
    m_window.clear();
    m_blockIndex = 0;
    m_sentReplyBytes = 0;
    m_writtenCount = 0;
    std::promise<void> listening;
    auto ready = listening.get_future();
    m_thread = std::thread([this, &listening] { Run(listening); });
    ready.wait();
}

void RadioSimulator::Stop() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    if (m_master >= 0) ::close(m_master);
    if (m_slaveHold >= 0) ::close(m_slaveHold);
    m_master = -1;
    m_slaveHold = -1;
}

double RadioSimulator::Now() const {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_start).count();
}

void RadioSimulator::Run(std::promise<void>& listening) {
    std::uint8_t buffer[512];
    listening.set_value();
    while (!m_stop && !m_vanished) {
        pollfd pfd{m_master, POLLIN, 0};
        if (poll(&pfd, 1, 10) <= 0) continue;
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0) {
            // EIO while no one has the terminal open: wait for the next open.
            if (n < 0 && errno != EAGAIN && errno != EIO) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        const double ms = Now();
        {
            std::lock_guard lock(m_mutex);
            m_arrivals.push_back({ms, Bytes(buffer, buffer + n)});
        }
        for (ssize_t i = 0; i < n && !m_vanished; ++i) Take(buffer[i], ms);
    }
}

void RadioSimulator::Take(std::uint8_t byte, double ms) {
    if (m_mode == Mode::Writing && ms - m_lastWrittenMs > kWriteGiveUpMs) m_mode = Mode::Command;
    if (m_mode == Mode::Writing) {
        m_lastWrittenMs = ms;
        {
            std::lock_guard lock(m_mutex);
            if (m_writtenCount % 256 == 0) m_written.push_back({ms, {}});
            m_written.back().bytes.push_back(byte);
        }
        ++m_writtenCount;
        if (m_writtenCount % 256 == 0) KeepWrittenBlock();
        if (m_behaviour.vanishAfterWritten >= 0 && m_writtenCount >= m_behaviour.vanishAfterWritten) Vanish();
        if (static_cast<std::size_t>(m_writtenCount) >= kWriteLength) m_mode = Mode::Command;
        return;
    }
    m_window.push_back(byte);
    if (m_window.size() > 4) m_window.erase(m_window.begin());
    if (EndsWith(m_window, kHandshake)) {
        m_window.clear();
        {
            std::lock_guard lock(m_mutex);
            m_handshakes.push_back(ms);
        }
        m_mode = Mode::AfterHandshake;
        m_blockIndex = 0;
        if (!m_silent) SendBytes(m_behaviour.handshakeReply, -1, 0);
        return;
    }
    if (EndsWith(m_window, kRequest) && (m_mode == Mode::AfterHandshake || m_mode == Mode::Reading)) {
        m_window.clear();
        {
            std::lock_guard lock(m_mutex);
            m_requests.push_back(ms);
        }
        m_mode = Mode::Reading;
        SendBlock(m_blockIndex++);
        return;
    }
    if (m_mode == Mode::AfterHandshake && m_window.size() == 4) {
        // Not a block request: a write has begun.
        const Bytes first = m_window;
        m_window.clear();
        m_mode = Mode::Writing;
        {
            std::lock_guard lock(m_mutex);
            m_written.clear();
        }
        m_writtenCount = 0;
        m_lastWrittenMs = ms;
        for (std::uint8_t b : first) Take(b, ms);
    }
}

// Block k of a write holds image bytes from 256 k on; the last one's bytes
// past the image are not kept.
void RadioSimulator::KeepWrittenBlock() {
    std::lock_guard lock(m_mutex);
    const std::size_t block = static_cast<std::size_t>(m_writtenCount / 256 - 1);
    const std::size_t start = block * 256;
    if (m_written.empty() || start >= kImageSize) return;
    const Bytes& bytes = m_written.back().bytes;
    for (std::size_t i = 0; i < bytes.size() && start + i < kImageSize; ++i) {
        std::uint8_t b = bytes[i];
        if (static_cast<int>(start + i) == m_behaviour.storeWrongAt) b = static_cast<std::uint8_t>(~b);
        m_image[start + i] = b;
    }
    if (static_cast<std::size_t>(m_writtenCount) >= kWriteLength && m_behaviour.silentAfterWrite) m_silent = true;
}

RadioImage RadioSimulator::Image() const {
    std::lock_guard lock(m_mutex);
    return m_image;
}

void RadioSimulator::SendBlock(std::size_t index) {
    if (index >= 5) return;  // the radio has nothing more to give
    const BlockReply& shape = m_behaviour.blocks[index];
    // Blocks 1-4 carry image bytes 0..1023, block 5 the settings block and
    // then filler.
    Bytes reply(256, 0xEE);
    const RadioImage image = Image();
    const std::size_t start = index * 256;
    std::copy_n(image.Bytes().begin() + static_cast<std::ptrdiff_t>(start),
                std::min<std::size_t>(256, kImageSize - start), reply.begin());
    reply.resize(static_cast<std::size_t>(std::max(shape.length, 0)), 0xA5);
    if (shape.garbled)
        for (auto& b : reply) b = static_cast<std::uint8_t>(~b);
    SendBytes(reply, shape.pauseAfter, shape.pauseMs);
}

bool RadioSimulator::SendBytes(const Bytes& bytes, int pauseAfter, int pauseMs) {
    const int vanishAt = m_behaviour.vanishAfterSent;
    auto due = std::chrono::steady_clock::now();
    bool paused = false;
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (m_stop) return false;
        if (vanishAt >= 0 && m_sentReplyBytes >= vanishAt) {
            Vanish();
            return false;
        }
        if (!paused && static_cast<int>(i) == pauseAfter) {
            paused = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
            due = std::chrono::steady_clock::now();
        }
        if (m_behaviour.paced) {
            std::this_thread::sleep_until(due);
            due += kByteTime;
        }
        std::size_t end = m_behaviour.paced ? i + 1 : bytes.size();
        if (!paused && pauseAfter > static_cast<int>(i)) end = std::min(end, static_cast<std::size_t>(pauseAfter));
        if (vanishAt >= 0) end = std::min(end, i + static_cast<std::size_t>(vanishAt - m_sentReplyBytes));
        const ssize_t n = ::write(m_master, bytes.data() + i, end - i);
        if (n < 0) {
            if (errno != EAGAIN) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        i += static_cast<std::size_t>(n);
        m_sentReplyBytes += static_cast<int>(n);
    }
    if (vanishAt >= 0 && m_sentReplyBytes >= vanishAt) Vanish();
    return true;
}

void RadioSimulator::Vanish() {
    if (m_vanished) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(m_behaviour.vanishDelayMs));
    m_vanished = true;
    // Gone for good: the program's next open of the slave fails.
    ::close(m_master);
    ::close(m_slaveHold);
    m_master = -1;
    m_slaveHold = -1;
}

std::string RadioSimulator::LineSummary() const {
    termios tio{};
    if (m_vanished || tcgetattr(m_slaveHold, &tio) != 0) return {};
    std::string baud;
    switch (cfgetospeed(&tio)) {
    case B2400: baud = "2400"; break;
    case B9600: baud = "9600"; break;
    default: baud = "other"; break;
    }
    const char bits = (tio.c_cflag & CSIZE) == CS8 ? '8' : (tio.c_cflag & CSIZE) == CS7 ? '7' : '?';
    const char parity = !(tio.c_cflag & PARENB) ? 'N' : (tio.c_cflag & PARODD) ? 'O' : 'E';
    const char stop = (tio.c_cflag & CSTOPB) ? '2' : '1';
    return baud + " " + bits + parity + stop;
}

void RadioSimulator::SetOddLineSettings() {
    termios tio{};
    if (m_vanished || tcgetattr(m_slaveHold, &tio) != 0) return;
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tio.c_cflag |= CSTOPB;
    tcsetattr(m_slaveHold, TCSANOW, &tio);
}

std::vector<RadioSimulator::Arrival> RadioSimulator::Arrivals() const {
    std::lock_guard lock(m_mutex);
    return m_arrivals;
}

RadioSimulator::Bytes RadioSimulator::Received() const {
    std::lock_guard lock(m_mutex);
    return Joined(m_arrivals);
}

std::vector<double> RadioSimulator::HandshakeTimes() const {
    std::lock_guard lock(m_mutex);
    return m_handshakes;
}

std::vector<double> RadioSimulator::BlockRequestTimes() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

std::vector<RadioSimulator::WrittenBlock> RadioSimulator::WrittenBlocks() const {
    std::lock_guard lock(m_mutex);
    return m_written;
}

RadioSimulator::Bytes RadioSimulator::WrittenBytes() const {
    std::lock_guard lock(m_mutex);
    return Joined(m_written);
}

}  // namespace rk::test
