#pragma once
// Lines typed on stdin while the event loop runs: a line is asked for, read
// on a thread of its own so that Ctrl+C and the transfer's timers are still
// seen meanwhile, and taken once it has come. Plain C++.

#include <memory>
#include <optional>
#include <string>

namespace rk::cli {

class InputLines {
public:
    InputLines();
    // Starts reading the next line, unless a read is under way.
    void Ask();
    // The line once it has come (without its line break), or the end of
    // input; nothing while it is still awaited.
    struct Line {
        bool end = false;
        std::string text;
    };
    std::optional<Line> Take();

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};

}  // namespace rk::cli
