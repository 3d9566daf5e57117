#include "Rk520App.h"

#include "FormView.h"
#include "Rk520Profile.h"

CRk520App::CRk520App()
    : rk::ProgramShell(Rk520Profile(), std::make_unique<CRk520Doc>(),
                       [](rk::RadioDocument& document, const rk::ModelProfile& profile) {
                           return new rk::FormView(document, profile);
                       }) {}
