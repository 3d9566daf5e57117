#pragma once
// What one change did to an image, kept small: the runs of bytes that differ
// between before and after, each stored once as before XOR after. Applying a
// delta to either side gives the other, so one delta serves undo and redo.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "RadioImage.h"

namespace rk {

class ImageDelta {
public:
    ImageDelta() = default;
    static ImageDelta Between(const RadioImage& before, const RadioImage& after);

    // Turns `before` into `after` and `after` into `before`.
    void ApplyTo(RadioImage& image) const;
    // This delta followed by `next`, as one delta.
    void Append(const ImageDelta& next);
    bool Empty() const { return m_runs.empty(); }
    // Heap bytes this delta holds.
    std::size_t HeapUse() const;

private:
    struct Run {
        std::uint16_t offset;
        std::uint16_t length;
    };
    std::vector<Run> m_runs;
    std::vector<std::uint8_t> m_bits;  // the runs' XOR bytes, one after another
};

}  // namespace rk
