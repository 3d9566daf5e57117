#include "Rk7400App.h"

#include "Rk7400Profile.h"
#include "Rk7400View.h"

CRk7400App::CRk7400App()
    : rk::ProgramShell(Rk7400Profile(), std::make_unique<CRk7400Doc>(),
                       [](rk::RadioDocument& document, const rk::ModelProfile&) { return new CRk7400View(document); }) {}
