#include "Interrupt.h"

#include <csignal>

namespace rk::cli {
namespace {

volatile std::sig_atomic_t g_interrupted = 0;

void OnInterrupt(int) { g_interrupted = 1; }

}  // namespace

InterruptWatch::InterruptWatch() {
    g_interrupted = 0;
    m_previous = std::signal(SIGINT, OnInterrupt);
}

InterruptWatch::~InterruptWatch() {
    if (m_previous != SIG_ERR) std::signal(SIGINT, m_previous);
}

bool InterruptWatch::Requested() const { return g_interrupted != 0; }

}  // namespace rk::cli
