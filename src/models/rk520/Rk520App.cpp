#include "Rk520App.h"

#include "Rk520Profile.h"
#include "Rk520View.h"

CRk520App::CRk520App()
    : rk::ProgramShell(Rk520Profile(), std::make_unique<CRk520Doc>(),
                       [](rk::RadioDocument& document, const rk::ModelProfile&) { return new CRk520View(document); }) {}
