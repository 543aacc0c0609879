// The library's own activation context, made from its manifest (resource 2),
// which asks for version 6 of the common controls. Every window the library
// creates is created inside an ActivationScope, whatever the calling program's
// manifest says.
#pragma once

#include <windows.h>

namespace lumadlg {

class ActivationScope {
public:
    ActivationScope();
    ~ActivationScope();
    ActivationScope(const ActivationScope&) = delete;
    ActivationScope& operator=(const ActivationScope&) = delete;

private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

} // namespace lumadlg
