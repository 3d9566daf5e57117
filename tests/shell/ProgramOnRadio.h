#pragma once
// A real program with the radio simulator on its serial port, message boxes
// recorded: the set-up of the tests that read and write through the windows.

#include <QByteArray>
#include <memory>

#include "CloneLink.h"
#include "MainFrame.h"
#include "ModelProfile.h"
#include "Programs.h"
#include "RadioImage.h"
#include "RadioSimulator.h"
#include "RecordingPrompts.h"

namespace rk::test {

// Starts the simulator and points the COM name's variable (RK_COM1, ...) at it.
inline bool StartOnCom(RadioSimulator& radio, const char* variable, const RadioSimulator::Behaviour& behaviour = {}) {
    if (!radio.Start(behaviour)) return false;
    qputenv(variable, QByteArray::fromStdString(radio.SlavePath()));
    return true;
}

struct ProgramOnRadio {
    ProgramOnRadio(const ModelProfile& model, const RadioImage& held) : profile(model), radio(held) {}

    // The radio on COM1, then the program with its transfers at `periods`;
    // false when either does not start.
    bool Start(const TransferPeriods& periods = {}, const RadioSimulator::Behaviour& behaviour = {}) {
        if (!StartOnCom(radio, "RK_COM1", behaviour)) return false;
        program = MakeProgram(profile);
        if (!program->Start({})) return false;
        program->Link().SetPeriods(periods);
        return true;
    }
    CMainFrame& Frame() const { return program->MainFrame(); }

    const ModelProfile& profile;
    RadioSimulator radio;
    RecordingPrompts prompts;
    std::unique_ptr<ProgramShell> program;
};

}  // namespace rk::test
