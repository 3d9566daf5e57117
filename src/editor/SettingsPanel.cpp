#include "SettingsPanel.h"

#include <QLineEdit>
#include <QPalette>

#include "Conversions.h"
#include "FormState.h"
#include "FormView.h"

namespace rk {

namespace {
// The high edge shown for a typed low edge: the band width above it inside 100..500,
// none far outside, and as it was just outside (99..100, 500..501).
constexpr double kBandEdgeMin = 100;
constexpr double kBandEdgeMax = 500;
constexpr double kBandNoEdgeBelow = 99;
constexpr double kBandNoEdgeAbove = 501;
}  // namespace

SettingsPanel::SettingsPanel(FormState& state, QLineEdit* bandLow, QLineEdit* bandHigh, QLineEdit* totLimit)
    : m_state(state), m_totLimit(totLimit) {
    // It always follows the lower edge: it looks read-only, and says why.
    bandHigh->setReadOnly(true);
    QPalette palette = bandHigh->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    bandHigh->setPalette(palette);
    bandHigh->setToolTip(m_state.Text(m_state.profile.editor.bandHighTip));
    QObject::connect(bandLow, &QLineEdit::textEdited, bandLow, [this] { OnBandEdited(); });
    if (m_totLimit) QObject::connect(m_totLimit, &QLineEdit::textEdited, m_totLimit, [this] { OnTotLimitEdited(); });
}

void SettingsPanel::LoadTotLimit(const ConstSettingsBlock& settings) {
    if (m_totLimit) m_state.values.totMinutes = TenthsToValue(settings.totLimit());
}

BandEdges ShownBand(const ConstSettingsBlock& settings) {
    const std::int64_t low = BandLowToMhz(settings.bandLow());
    return {static_cast<double>(low), static_cast<double>(ShownBandHigh(low))};
}

void SettingsPanel::LoadBand(const ConstSettingsBlock& settings) {
    const BandEdges band = ShownBand(settings);
    m_state.values.bandLowMHz = band.low;
    m_state.values.bandHighMHz = band.high;
}

void SettingsPanel::OnBandEdited() {
    m_state.ReadForm();
    NumberValues& values = m_state.values;
    const std::uint32_t bandLow = MhzToBandLow(values.bandLowMHz);
    m_state.EditSettings([bandLow](const SettingsBlock& settings) { settings.setBandLow(bandLow); }, ctl::kBandLow);
    const double x = values.bandLowMHz;
    if (x >= kBandEdgeMin && x <= kBandEdgeMax)
        values.bandHighMHz = x + kBandWidthMhz;
    else if (x <= kBandNoEdgeBelow || x >= kBandNoEdgeAbove)
        values.bandHighMHz = 0;
    m_state.ShowForm();
}

void SettingsPanel::OnTotLimitEdited() {
    m_state.ReadForm();
    const std::uint8_t tenths = ValueToTenths(m_state.values.totMinutes);
    m_state.EditSettings([tenths](const SettingsBlock& settings) { settings.setTotLimit(tenths); }, ctl::kTotLimit);
}

}  // namespace rk
