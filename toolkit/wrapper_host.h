// What the wrappers of taken-over controls ask of the control assistant that
// took them over: whether the cursor-key operation is on, and closing an
// open guide. The wrappers know the assistant only through this, so that
// the assistant, which makes and owns them, is the only one of the two that
// depends on the other.
#pragma once

#include <windows.h>

// Called for Enter in a taken-over list view or edit box. TRUE eats the key;
// FALSE lets it move the focus to the next control.
using LumaEnterHandler = BOOL (*)(HWND control, int data);

class CLumaWrapperHost {
public:
    virtual BOOL IsOperationOn() const = 0;
    virtual void CloseGuide() = 0;

protected:
    ~CLumaWrapperHost() = default;
};
