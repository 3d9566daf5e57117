#pragma once
// The two programs under test: a fresh program of either model, and a test
// object run once for each model.

#include <memory>

#include "ModelProfile.h"
#include "ProgramShell.h"
#include "Rk520App.h"
#include "Rk520Profile.h"
#include "Rk7400App.h"
#include "Rk7400Profile.h"
#include "TestRunner.h"

namespace rk::test {

// The program of the model `profile` describes, not started yet.
inline std::unique_ptr<ProgramShell> MakeProgram(const ModelProfile& profile) {
    if (&profile == &Rk520Profile()) return std::make_unique<CRk520App>();
    return std::make_unique<CRk7400App>();
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

}  // namespace rk::test
