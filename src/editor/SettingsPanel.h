#pragma once
// The radio's settings on the form: the band (its low edge typed, its high
// edge shown) and the transmit time limit of the models that have one.

#include <cstdint>

class QLineEdit;

namespace rk {

class FormState;
template <typename Byte>
class BasicSettingsBlock;
using ConstSettingsBlock = BasicSettingsBlock<const std::uint8_t>;

// The band's edges in MHz as the form shows them for the stored band: the
// high edge 20 MHz above a low edge of 100..500, else 0.
struct BandEdges {
    double low = 0;
    double high = 0;
};
BandEdges ShownBand(const ConstSettingsBlock& settings);

class SettingsPanel {
public:
    // `totLimit` is null for a model without a time limit.
    SettingsPanel(FormState& state, QLineEdit* bandLow, QLineEdit* bandHigh, QLineEdit* totLimit);

    // The time limit value, for the next ShowForm.
    void LoadTotLimit(const ConstSettingsBlock& settings);
    // The band edges' values, for the next ShowForm.
    void LoadBand(const ConstSettingsBlock& settings);

private:
    void OnBandEdited();
    void OnTotLimitEdited();

    FormState& m_state;
    QLineEdit* m_totLimit;
};

}  // namespace rk
