#pragma once
// A real program with the radio simulator on COM1, message boxes recorded and
// backups in an empty folder of its own: the set-up of the tests that read
// and write through the windows (RadioRig.h holds the radio's side).

#include <memory>

#include "CloneLink.h"
#include "MainFrame.h"
#include "ModelProfile.h"
#include "Programs.h"
#include "RadioImage.h"
#include "RadioRig.h"
#include "RecordingPrompts.h"

namespace rk::test {

struct ProgramOnRadio {
    ProgramOnRadio(const ModelProfile& model, const RadioImage& held) : profile(model), radio(held) {}

    // The radio on COM1, then the program with its transfers at `periods`;
    // false when either does not start.
    bool Start(const TransferPeriods& periods = kTestPeriods, const RadioSimulator::Behaviour& behaviour = {}) {
        if (!StartOnCom(radio, 1, behaviour)) return false;
        program = MakeProgram(profile);
        if (!program->Start({})) return false;
        program->Link().SetPeriods(periods);
        return true;
    }
    CMainFrame& Frame() const { return program->MainFrame(); }

    FreshBackupFolder backups;
    const ModelProfile& profile;
    RadioSimulator radio;
    RecordingPrompts prompts;
    std::unique_ptr<ProgramShell> program;
};

}  // namespace rk::test
