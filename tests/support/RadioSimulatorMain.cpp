// The radio simulator as a program of its own, for trying the real programs
// by hand. See Usage() below.

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "RadioSimulator.h"
#include "TestImages.h"

namespace {

volatile std::sig_atomic_t g_signal = 0;

void OnSignal(int signal) { g_signal = signal; }

void Usage(std::FILE* out) {
    std::fputs(
        "usage: radio_simulator [options] [image-file]\n"
        "\n"
        "A radio on a pseudo-terminal, at 2400 baud pace. It prints the line to put\n"
        "in the environment of rk520 or rk7400 (RK_COM1=/dev/pts/N), then answers\n"
        "their reads and writes. It serves the image file (.rkd / .zu1), or a sample\n"
        "image, and keeps what a write sends, so that a later read returns it.\n"
        "\n"
        "It ends on Ctrl+C (or SIGTERM, SIGHUP), or on Ctrl+D when it runs in the\n"
        "foreground of a terminal; in the background it never reads its input.\n"
        "The last write it received is then saved to written.bin (1280 bytes).\n"
        "\n"
        "options:\n"
        "  --store-wrong OFFSET   keep image byte OFFSET of a write inverted\n"
        "  --silent-after-write   answer nothing once a write has been kept\n"
        "  --help                 this text\n",
        out);
}

// Input is read only from a terminal whose foreground we are: a program in
// the background that reads its terminal would be stopped, and a pipe or
// /dev/null given to a background job would end the simulator at once.
bool InputIsOurs() { return isatty(STDIN_FILENO) && tcgetpgrp(STDIN_FILENO) == getpgrp(); }

// Waits for a signal, or for the end of terminal input.
void Serve() {
    while (!g_signal) {
        const bool ours = InputIsOurs();
        pollfd input{STDIN_FILENO, POLLIN, 0};
        const int ready = poll(ours ? &input : nullptr, ours ? 1 : 0, 250);
        if (ready <= 0 || !(input.revents & (POLLIN | POLLHUP))) continue;
        char buffer[256];
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n == 0) return;  // Ctrl+D
        if (n < 0 && errno != EINTR && errno != EIO && errno != EAGAIN) return;
    }
}

}  // namespace

int main(int argc, char** argv) {
    rk::test::RadioSimulator::Behaviour behaviour;
    behaviour.paced = true;
    const char* imagePath = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            Usage(stdout);
            return 0;
        }
        if (arg == "--silent-after-write") {
            behaviour.silentAfterWrite = true;
        } else if (arg == "--store-wrong" && i + 1 < argc) {
            char* end = nullptr;
            const long offset = std::strtol(argv[++i], &end, 0);
            if (*end || offset < 0 || offset >= static_cast<long>(rk::kImageSize)) {
                std::fprintf(stderr, "radio_simulator: --store-wrong takes an offset 0..%zu\n", rk::kImageSize - 1);
                return 2;
            }
            behaviour.storeWrongAt = static_cast<int>(offset);
        } else if (!arg.empty() && arg[0] == '-') {
            std::fprintf(stderr, "radio_simulator: unknown option %s\n", arg.c_str());
            Usage(stderr);
            return 2;
        } else {
            imagePath = argv[i];
        }
    }

    rk::RadioImage image = rk::test::SampleImage();
    if (imagePath) {
        std::ifstream file(imagePath, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "%s: cannot open\n", imagePath);
            return 2;
        }
        const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (bytes.size() < rk::kImageSize) {
            std::fprintf(stderr, "%s: not an image file\n", imagePath);
            return 2;
        }
        for (std::size_t i = 0; i < rk::kImageSize; ++i) image[i] = static_cast<std::uint8_t>(bytes[i]);
    }

    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
    // A read of the terminal from the background fails instead of stopping us.
    std::signal(SIGTTIN, SIG_IGN);

    rk::test::RadioSimulator radio(image);
    if (!radio.Start(behaviour)) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    std::printf("RK_COM1=%s\n", radio.SlavePath().c_str());
    std::fflush(stdout);
    Serve();
    radio.Stop();

    const auto written = radio.WrittenBytes();
    if (!written.empty()) {
        std::ofstream out("written.bin", std::ios::binary);
        out.write(reinterpret_cast<const char*>(written.data()), static_cast<std::streamsize>(written.size()));
    }
    return 0;
}
