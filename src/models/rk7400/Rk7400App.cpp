#include "Rk7400App.h"

#include "FormView.h"
#include "Rk7400Profile.h"

CRk7400App::CRk7400App()
    : rk::ProgramShell(Rk7400Profile(), std::make_unique<CRk7400Doc>(),
                       [](rk::RadioDocument& document, const rk::ModelProfile& profile) {
                           return new rk::FormView(document, profile);
                       }) {}
