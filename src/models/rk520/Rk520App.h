#pragma once
// The rk520 program: its document, view and application objects.

#include "ProgramShell.h"
#include "RadioDocument.h"

class CRk520Doc : public rk::RadioDocument {};

class CRk520App : public rk::ProgramShell {
public:
    CRk520App();
};
