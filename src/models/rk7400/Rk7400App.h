#pragma once
// The rk7400 program: its document, view and application objects.

#include "ProgramShell.h"
#include "RadioDocument.h"

class CRk7400Doc : public rk::RadioDocument {};

class CRk7400App : public rk::ProgramShell {
public:
    CRk7400App();
};
