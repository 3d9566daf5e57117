#include "PortSearch.h"

namespace rk {

std::vector<PortCandidate> ProgramPorts(const ModelRules& rules, const std::string& menuPort) {
    std::vector<PortCandidate> ports{{menuPort, {}}};
    if (!rules.searchesPorts) return ports;
    for (const char* name : kPortTable) {
        if (name != menuPort) ports.push_back({name, {}});
    }
    return ports;
}

}  // namespace rk
