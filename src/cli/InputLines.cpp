#include "InputLines.h"

#include <cstdio>
#include <mutex>
#include <thread>

namespace rk::cli {

// Shared with the reading thread, which may outlive the reader: a program
// that ends while a line is awaited leaves it blocked in its read.
struct InputLines::Shared {
    std::mutex mutex;
    bool reading = false;
    std::optional<Line> line;
};

InputLines::InputLines() : m_shared(std::make_shared<Shared>()) {}

void InputLines::Ask() {
    {
        std::lock_guard lock(m_shared->mutex);
        if (m_shared->reading || m_shared->line) return;
        m_shared->reading = true;
    }
    std::thread([shared = m_shared] {
        Line line;
        for (int c = std::getchar(); ; c = std::getchar()) {
            if (c == EOF) {
                line.end = line.text.empty();
                break;
            }
            if (c == '\n') break;
            // A line longer than anyone types is cut; the rest is dropped.
            if (line.text.size() < 1024) line.text.push_back(static_cast<char>(c));
        }
        if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
        std::lock_guard lock(shared->mutex);
        shared->reading = false;
        shared->line = line;
    }).detach();
}

std::optional<InputLines::Line> InputLines::Take() {
    std::lock_guard lock(m_shared->mutex);
    std::optional<Line> line;
    line.swap(m_shared->line);
    return line;
}

}  // namespace rk::cli
