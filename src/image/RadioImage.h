#pragma once
// The radio's 1088-byte memory image: 64 channel records of 16 bytes, then a
// 64-byte settings block. Accessors work in place on the bytes; numbers wider
// than a byte are big-endian.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

namespace rk {

inline constexpr std::size_t kImageSize = 1088;
inline constexpr std::size_t kRowSize = 16;
inline constexpr std::size_t kRowCount = kImageSize / kRowSize;  // 68
inline constexpr int kChannelCount = 64;
inline constexpr std::size_t kRecordSize = 16;
inline constexpr std::size_t kSettingsOffset = 1024;
inline constexpr std::size_t kSettingsSize = 64;
inline constexpr int kScanGroupSlots = 16;
inline constexpr std::uint8_t kEmptySlot = 0xFF;
// Frequencies are counts of 10 Hz; a channel is in use from 100 MHz on.
inline constexpr std::int32_t kCountsPerMhz = 100'000;
inline constexpr std::int32_t kConfiguredFreqMin = 10'000'000;
// The band reaches this far above its low edge, both edges included.
inline constexpr std::int32_t kBandWidthMhz = 20;
inline constexpr std::int32_t kBandWidth = kBandWidthMhz * kCountsPerMhz;

// Squelch level, record byte 12; a new image holds the default.
inline constexpr int kSquelchLevelMin = 0;
inline constexpr int kSquelchLevelMax = 9;
inline constexpr std::uint8_t kSquelchLevelDefault = 3;

// codeFlags, record byte 10
inline constexpr std::uint8_t kTxInhibit = 0x04;
inline constexpr std::uint8_t kTxCodeOn = 0x08;
inline constexpr std::uint8_t kRxCodeOn = 0x10;
inline constexpr std::uint8_t kTxCodeIsQt = 0x20;
inline constexpr std::uint8_t kRxCodeIsQt = 0x40;

// The two sides of a channel: each has a frequency, a code byte and two code
// bits (on, is a tone).
enum class Side { Receive, Transmit };
inline constexpr std::uint8_t CodeOnBit(Side side) { return side == Side::Receive ? kRxCodeOn : kTxCodeOn; }
inline constexpr std::uint8_t CodeIsQtBit(Side side) { return side == Side::Receive ? kRxCodeIsQt : kTxCodeIsQt; }

// optionFlags, record byte 11
inline constexpr std::uint8_t kBeatShift = 0x04;
inline constexpr std::uint8_t kLowPower = 0x08;
inline constexpr std::uint8_t kTalkaround = 0x10;
inline constexpr std::uint8_t kRepeater = 0x20;
inline constexpr std::uint8_t kReverse = 0x40;
inline constexpr std::uint8_t kScrambler = 0x80;

namespace bytes {
std::uint32_t ReadBe32(const std::uint8_t* p);
void WriteBe32(std::uint8_t* p, std::uint32_t value);
std::uint32_t ReadBe24(const std::uint8_t* p);
void WriteBe24(std::uint8_t* p, std::uint32_t value);  // low 24 bits
}  // namespace bytes

// View of one 16-byte channel record. Byte is std::uint8_t for an editable
// view and const std::uint8_t for a read-only one.
template <typename Byte>
class BasicChannelRecord {
    static constexpr bool kMutable = !std::is_const_v<Byte>;

public:
    explicit BasicChannelRecord(Byte* bytes) : m_bytes(bytes) {}
    // An editable view converts to a read-only one.
    BasicChannelRecord(const BasicChannelRecord<std::remove_const_t<Byte>>& other) requires(!kMutable)
        : m_bytes(other.Bytes().data()) {}

    std::span<Byte, kRecordSize> Bytes() const { return std::span<Byte, kRecordSize>(m_bytes, kRecordSize); }

    // One side: frequency at bytes 0..3 or 5..8, code byte 4 or 9, its bits in codeFlags.
    std::uint32_t freq(Side s) const { return bytes::ReadBe32(m_bytes + FreqAt(s)); }
    // The frequency as the validation and the channel lists read it.
    std::int32_t freqSigned(Side s) const { return static_cast<std::int32_t>(freq(s)); }
    std::uint8_t code(Side s) const { return m_bytes[CodeAt(s)]; }
    bool codeOn(Side s) const { return HasCodeFlag(CodeOnBit(s)); }
    bool codeIsQt(Side s) const { return HasCodeFlag(CodeIsQtBit(s)); }

    std::uint32_t rxFreq() const { return freq(Side::Receive); }
    std::uint32_t txFreq() const { return freq(Side::Transmit); }
    std::int32_t rxFreqSigned() const { return freqSigned(Side::Receive); }
    std::int32_t txFreqSigned() const { return freqSigned(Side::Transmit); }
    std::uint8_t rxCode() const { return code(Side::Receive); }
    std::uint8_t txCode() const { return code(Side::Transmit); }
    std::uint8_t codeFlags() const { return m_bytes[10]; }
    std::uint8_t optionFlags() const { return m_bytes[11]; }
    std::uint8_t squelchLevel() const { return m_bytes[12]; }
    std::uint8_t repeaterDelay() const { return m_bytes[13]; }
    bool HasCodeFlag(std::uint8_t mask) const { return (m_bytes[10] & mask) != 0; }
    bool HasOption(std::uint8_t mask) const { return (m_bytes[11] & mask) != 0; }

    void setFreq(Side s, std::uint32_t v) const requires kMutable { bytes::WriteBe32(m_bytes + FreqAt(s), v); }
    void setCode(Side s, std::uint8_t v) const requires kMutable { m_bytes[CodeAt(s)] = v; }
    void setCodeOn(Side s, bool on) const requires kMutable { SetCodeFlag(CodeOnBit(s), on); }
    void setCodeIsQt(Side s, bool on) const requires kMutable { SetCodeFlag(CodeIsQtBit(s), on); }
    void setRxFreq(std::uint32_t v) const requires kMutable { setFreq(Side::Receive, v); }
    void setTxFreq(std::uint32_t v) const requires kMutable { setFreq(Side::Transmit, v); }
    void setRxCode(std::uint8_t v) const requires kMutable { setCode(Side::Receive, v); }
    void setTxCode(std::uint8_t v) const requires kMutable { setCode(Side::Transmit, v); }
    void setCodeFlags(std::uint8_t v) const requires kMutable { m_bytes[10] = v; }
    void setOptionFlags(std::uint8_t v) const requires kMutable { m_bytes[11] = v; }
    void setSquelchLevel(std::uint8_t v) const requires kMutable { m_bytes[12] = v; }
    void setRepeaterDelay(std::uint8_t v) const requires kMutable { m_bytes[13] = v; }
    void SetCodeFlag(std::uint8_t mask, bool on) const requires kMutable { SetBits(m_bytes[10], mask, on); }
    void SetOption(std::uint8_t mask, bool on) const requires kMutable { SetBits(m_bytes[11], mask, on); }

private:
    static constexpr std::size_t FreqAt(Side s) { return s == Side::Receive ? 0 : 5; }
    static constexpr std::size_t CodeAt(Side s) { return s == Side::Receive ? 4 : 9; }
    static void SetBits(std::uint8_t& b, std::uint8_t mask, bool on) {
        b = static_cast<std::uint8_t>(on ? (b | mask) : (b & ~mask));
    }
    Byte* m_bytes;
};

using ChannelRecord = BasicChannelRecord<std::uint8_t>;
using ConstChannelRecord = BasicChannelRecord<const std::uint8_t>;

enum class ScanGroup { A, B };

// View of the 64-byte settings block at image offset 1024.
template <typename Byte>
class BasicSettingsBlock {
    static constexpr bool kMutable = !std::is_const_v<Byte>;

public:
    explicit BasicSettingsBlock(Byte* bytes) : m_bytes(bytes) {}
    BasicSettingsBlock(const BasicSettingsBlock<std::remove_const_t<Byte>>& other) requires(!kMutable)
        : m_bytes(other.Bytes().data()) {}

    std::span<Byte, kSettingsSize> Bytes() const { return std::span<Byte, kSettingsSize>(m_bytes, kSettingsSize); }

    std::uint8_t lastUsedChannel() const { return m_bytes[0]; }
    std::uint8_t settingsByte1() const { return m_bytes[1]; }
    std::uint8_t totLimit() const { return m_bytes[2]; }
    std::uint32_t bandLow() const { return bytes::ReadBe24(m_bytes + 3); }
    std::span<Byte, kScanGroupSlots> scanGroup(ScanGroup g) const {
        return std::span<Byte, kScanGroupSlots>(m_bytes + (g == ScanGroup::A ? 16 : 32), kScanGroupSlots);
    }
    std::span<Byte, kScanGroupSlots> scanGroupA() const { return scanGroup(ScanGroup::A); }
    std::span<Byte, kScanGroupSlots> scanGroupB() const { return scanGroup(ScanGroup::B); }
    // Bit (c mod 8) of channelBitmap byte (c div 8).
    bool ChannelBit(int channel) const { return (m_bytes[48 + channel / 8] >> (channel % 8)) & 1; }

    void setLastUsedChannel(std::uint8_t v) const requires kMutable { m_bytes[0] = v; }
    void setSettingsByte1(std::uint8_t v) const requires kMutable { m_bytes[1] = v; }
    void setTotLimit(std::uint8_t v) const requires kMutable { m_bytes[2] = v; }
    void setBandLow(std::uint32_t v) const requires kMutable { bytes::WriteBe24(m_bytes + 3, v); }
    void SetChannelBit(int channel, bool on) const requires kMutable {
        auto& b = m_bytes[48 + channel / 8];
        const auto mask = static_cast<std::uint8_t>(1u << (channel % 8));
        b = static_cast<std::uint8_t>(on ? (b | mask) : (b & ~mask));
    }

private:
    Byte* m_bytes;
};

using SettingsBlock = BasicSettingsBlock<std::uint8_t>;
using ConstSettingsBlock = BasicSettingsBlock<const std::uint8_t>;

class RadioImage {
public:
    RadioImage() { m_bytes.fill(0); }

    std::array<std::uint8_t, kImageSize>& Bytes() { return m_bytes; }
    const std::array<std::uint8_t, kImageSize>& Bytes() const { return m_bytes; }
    std::uint8_t& operator[](std::size_t offset) { return m_bytes.at(offset); }
    std::uint8_t operator[](std::size_t offset) const { return m_bytes.at(offset); }

    std::span<std::uint8_t, kRowSize> Row(std::size_t r) { return std::span<std::uint8_t, kRowSize>(m_bytes.data() + RowOffset(r), kRowSize); }
    std::span<const std::uint8_t, kRowSize> Row(std::size_t r) const {
        return std::span<const std::uint8_t, kRowSize>(m_bytes.data() + RowOffset(r), kRowSize);
    }

    // Channel index 0..63; anything else throws std::out_of_range.
    ChannelRecord Channel(int c) { return ChannelRecord(m_bytes.data() + RecordOffset(c)); }
    ConstChannelRecord Channel(int c) const { return ConstChannelRecord(m_bytes.data() + RecordOffset(c)); }
    SettingsBlock Settings() { return SettingsBlock(m_bytes.data() + kSettingsOffset); }
    ConstSettingsBlock Settings() const { return ConstSettingsBlock(m_bytes.data() + kSettingsOffset); }

    // Both frequencies at least 100 MHz, read as signed 32-bit counts.
    bool IsChannelConfigured(int c) const;
    int ConfiguredChannelCount() const;

    friend bool operator==(const RadioImage&, const RadioImage&) = default;

private:
    static std::size_t RowOffset(std::size_t r);
    static std::size_t RecordOffset(int c);
    std::array<std::uint8_t, kImageSize> m_bytes;
};

// Configured channel indexes in ascending order, 0xFF after the last.
using ValidChannelList = std::array<std::uint8_t, kChannelCount>;
ValidChannelList BuildValidChannels(const RadioImage& image);

}  // namespace rk
