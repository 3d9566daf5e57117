// The radio simulator as a program of its own, for trying the real programs
// by hand: prints the pseudo-terminal to put in RK_COM1 and serves until its
// input closes. With an image file (.rkd / .zu1) it serves that image,
// otherwise a sample one; a write it receives is saved to written.bin.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "RadioSimulator.h"
#include "TestImages.h"

int main(int argc, char** argv) {
    rk::RadioImage image = rk::test::SampleImage();
    if (argc > 1) {
        std::ifstream file(argv[1], std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (bytes.size() < rk::kImageSize) {
            std::fprintf(stderr, "%s: not an image file\n", argv[1]);
            return 2;
        }
        for (std::size_t i = 0; i < rk::kImageSize; ++i) image[i] = static_cast<std::uint8_t>(bytes[i]);
    }
    rk::test::RadioSimulator radio(image);
    rk::test::RadioSimulator::Behaviour behaviour;
    behaviour.paced = true;
    if (!radio.Start(behaviour)) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    std::printf("RK_COM1=%s\n", radio.SlavePath().c_str());
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    const auto written = radio.WrittenBytes();
    if (!written.empty()) {
        std::ofstream out("written.bin", std::ios::binary);
        out.write(reinterpret_cast<const char*>(written.data()), static_cast<std::streamsize>(written.size()));
    }
    return 0;
}
