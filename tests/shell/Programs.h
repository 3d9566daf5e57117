#pragma once
// The two programs under test: a fresh program of either model, and a test
// object run once for each model.

#include <QApplication>
#include <functional>
#include <memory>

#include "ModelProfile.h"
#include "ProgramShell.h"
#include "RecordingPrompts.h"
#include "Rk520App.h"
#include "Rk520Profile.h"
#include "Rk7400App.h"
#include "Rk7400Profile.h"
#include "SettingsLocation.h"
#include "TestRunner.h"

namespace rk::test {

// The program of the model `profile` describes, not started yet.
inline std::unique_ptr<ProgramShell> MakeProgram(const ModelProfile& profile) {
    if (&profile == &Rk520Profile()) return std::make_unique<CRk520App>();
    return std::make_unique<CRk7400App>();
}

// Starts the model's program as on a first start, its message boxes
// recorded; false when it does not start.
inline bool StartFresh(const ModelProfile& profile, std::unique_ptr<RecordingPrompts>& prompts,
                       std::unique_ptr<ProgramShell>& program) {
    ProgramSettings(profile.shell.programTitle).clear();
    prompts = std::make_unique<RecordingPrompts>();
    program = MakeProgram(profile);
    return program->Start({});
}

// Runs one test object per model, each made from that model's argument and
// gone before the next is made; fails when any run fails.
template <typename TestObject, typename... PerModel>
int RunForEachModel(int argc, char** argv, const PerModel&... perModel) {
    int status = 0;
    const auto run = [&](const auto& model) {
        TestObject test(model);
        status |= RunTestObject(test, argc, argv);
    };
    (run(perModel), ...);
    return status;
}

// The same as a run of RK_TEST_PROGRAM: one test object per model, the
// models kept by value.
template <typename TestObject, typename... PerModel>
auto ForEachModel(PerModel... perModel) {
    return [=](int argc, char** argv) { return RunForEachModel<TestObject>(argc, argv, perModel...); };
}

}  // namespace rk::test

// A program of one test object made from each model's profile in turn.
#define RK_TEST_MAIN_PER_MODEL(TestObject) \
    RK_TEST_PROGRAM(QApplication, rk::test::ForEachModel<TestObject>(std::cref(Rk520Profile()), std::cref(Rk7400Profile())))
