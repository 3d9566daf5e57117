#pragma once
// State of the Caps Lock, Num Lock and Scroll Lock keys, where the platform
// tells it.

#include <optional>

namespace rk {

struct KeyLockState {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// Nothing when the platform gives no way to ask.
std::optional<KeyLockState> QueryKeyLocks();

}  // namespace rk
