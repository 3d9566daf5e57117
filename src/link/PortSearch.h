#pragma once
// The ports a transfer tries, in order, each with the name its messages and
// progress show. The transfer is handed such a list; the programs build
// theirs from the port menu and the model's search rule, the command line
// from --port. No Qt here.

#include <array>
#include <string>
#include <vector>

#include "ModelRules.h"

namespace rk {

struct PortCandidate {
    std::string name;    // what the user sees: "COM3", "/dev/ttyUSB0"
    std::string device;  // what is opened; empty: the name itself (a COM name is mapped at the open)
    const std::string& Target() const { return device.empty() ? name : device; }
};

inline constexpr int kPortTableSize = 8;
// The names the programs know, in order.
inline constexpr std::array<const char*, kPortTableSize> kPortTable{"COM1", "COM2", "COM3", "COM4",
                                                                    "COM5", "COM6", "COM7", "COM8"};

// The programs' list: a model that searches tries the menu's port first,
// then the others of kPortTable in order; any other uses the menu's port
// alone.
std::vector<PortCandidate> ProgramPorts(const ModelRules& rules, const std::string& menuPort);

}  // namespace rk
