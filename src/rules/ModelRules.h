#pragma once
// What one radio model's rules are: the pre-write limits, how the model
// finds its port and its image file's type. Plain data, no Qt and no texts:
// the image, codec and clone transfer read it, and so does every front end.
// What the programs say about these rules is in the model's texts
// (ModelTexts.h).

#include <cstdint>

namespace rk {

struct ValidationRules {
    std::int32_t highestBandEdge;  // 10 Hz counts
    std::int32_t greatestSplit;    // 10 Hz counts
};

struct ModelRules {
    const char* programName;  // rk520, rk7400
    const char* extension;    // of the model's image files, with its dot
    ValidationRules validation;
    // Port search: try COM1..COM8 in turn instead of the port chosen in the menu.
    bool searchesPorts;
    // Number fields take a comma as the decimal point too ("435,125").
    bool acceptsDecimalComma;
};

}  // namespace rk
