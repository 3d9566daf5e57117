#pragma once
// How the series window words one radio's attempt: its result, with the
// transfer's own texts for a port or a radio that failed and for a radio
// written only in part, and what is left of a backup's path in a cell.

#include <QString>

namespace rk {

class TranslatedTexts;
struct ModelProfile;
struct SeriesRadio;

// One line, or a few for a failure and its cause or for the fields that
// read back differently.
QString SeriesResultText(const ModelProfile& profile, const TranslatedTexts& texts, const SeriesRadio& attempt);

// True when the attempt left its radio as the series means it to be:
// verified, or written whole where no read-back was asked for.
bool SeriesRadioDone(const SeriesRadio& attempt);

}  // namespace rk
