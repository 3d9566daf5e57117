#pragma once
// Reads a fuzz input front to back as the choices of one run. Past the end
// every read gives zeros, so any input, however short, is a complete run.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rk::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_bytes(data, size) {}

    bool Empty() const { return m_next >= m_bytes.size(); }
    std::uint8_t Byte() { return Empty() ? 0 : m_bytes[m_next++]; }
    bool Bit() { return (Byte() & 1) != 0; }
    std::uint32_t Be32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = (value << 8) | Byte();
        return value;
    }
    // Up to `count` of the bytes that follow; fewer near the end.
    std::span<const std::uint8_t> Take(std::size_t count) {
        const std::size_t n = Empty() ? 0 : std::min(count, m_bytes.size() - m_next);
        const auto taken = m_bytes.subspan(m_next, n);
        m_next += n;
        return taken;
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_next = 0;
};

}  // namespace rk::fuzz
