#pragma once
// Ctrl+C while the radio is being talked to. The handler only sets a flag;
// the event loop looks at it, so that a write can end between blocks.

namespace rk::cli {

// Catches SIGINT while it lives; the handler before it is put back after.
class InterruptWatch {
public:
    InterruptWatch();
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // Ctrl+C has been pressed since the watch began.
    bool Requested() const;

private:
    void (*m_previous)(int);
};

}  // namespace rk::cli
