// The wrapper classes through which the control assistant takes over a
// dialog's controls. Each subclasses one control and handles its messages in
// one HandleMessage switch; while the assistant's operation is on, the
// arrow keys, Enter and Space move between and within controls.
//
// The dialog manager (IsDialogMessage) handles Enter, the arrows and Tab
// before a control sees them. A wrapper that has its own rule for a key
// answers WM_GETDLGCODE for that key with DLGC_WANTMESSAGE, so the key
// reaches the wrapper, which then acts on it. A key the wrapper took leaves
// its character message (Space, Enter) unwanted; the wrapper swallows it.
#pragma once

#include <windows.h>

#include <memory>

#include "toolkit/control_assist.h"
#include "win/subclass.h"

// What every wrapper shares: the back pointer to its assistant, closing the
// guide on the next key or click, and the swallowing of a taken key's
// character.
class CLumaControl : public win::Subclass {
public:
    explicit CLumaControl(CLumaControlAssist* assist) : assist_(assist) {}
    // Subclasses the control; a wrapper may take over more than one window.
    virtual bool TakeOver(HWND control) { return Attach(control); }
    int Id() const { return GetDlgCtrlID(hwnd()); }

protected:
    bool OperationOn() const { return assist_->IsOperationOn() != FALSE; }
    // Closes an open guide on a key press or a mouse click. Keys that the
    // dialog manager keeps for itself (Tab, Escape, arrows on buttons) show
    // only as its WM_GETDLGCODE query carrying the key.
    void CloseGuideOnInput(UINT msg, LPARAM lParam);
    // The result of WM_GETDLGCODE: the control's own code, plus
    // DLGC_WANTMESSAGE when `want` says the wrapper takes the key.
    LRESULT DialogCode(WPARAM wParam, LPARAM lParam, bool want);
    // The key message of a WM_GETDLGCODE query (null when it is no key-down).
    static const MSG* QueriedKeyDown(LPARAM lParam);
    // Swallows the character that the key just taken will produce.
    void SwallowCharOf(WPARAM vk);
    // True (once) when this character belongs to a key taken before.
    bool IsSwallowed(WPARAM ch);

    CLumaControlAssist* assist_;

private:
    WPARAM swallow_ = 0;
};

class CLumaPushButton : public CLumaControl {
public:
    using CLumaControl::CLumaControl;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool Takes(WPARAM vk) const;
};

class CLumaRadioButton : public CLumaControl {
public:
    using CLumaControl::CLumaControl;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool Takes(WPARAM vk) const;
};

class CLumaCheckBox : public CLumaControl {
public:
    using CLumaControl::CLumaControl;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool Takes(WPARAM vk) const;
};

class CLumaDropListCombo : public CLumaControl {
public:
    using CLumaControl::CLumaControl;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool Takes(WPARAM vk) const;
    bool Dropped() const;
    // Space: steps the selection with wrap-around. Returns true when the key
    // was eaten, false when it became `vk` (Down or Up).
    bool StepWithSpace(WPARAM& vk);
};

// A simple or drop-down combo box: the keys arrive at its edit part, which
// is subclassed too and hands its messages to the combo's wrapper.
class CLumaEditCombo : public CLumaControl {
public:
    explicit CLumaEditCombo(CLumaControlAssist* assist);
    ~CLumaEditCombo() override;
    bool TakeOver(HWND control) override;
    int Kind() const { return kind_; }
    void SetEnterHandler(LumaEnterHandler handler, int data) { enter_ = handler, enterData_ = data; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    class EditPart;
    friend class EditPart;
    // The messages of the edit part; `forward` passes one on to it.
    LRESULT HandleEditMessage(UINT msg, WPARAM wParam, LPARAM lParam, win::Subclass& part);
    bool Takes(WPARAM vk) const;
    bool ListOpen() const;
    void StepSelection();

    int kind_ = 0; // 1 simple, 2 drop-down
    LumaEnterHandler enter_ = nullptr;
    int enterData_ = 0;
    std::unique_ptr<EditPart> edit_;
};

class CLumaListBox : public CLumaControl {
public:
    using CLumaControl::CLumaControl;
    void SetEnterHandler(LumaEnterHandler handler, int data) { enter_ = handler, enterData_ = data; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool Takes(WPARAM vk) const;
    void OnKeyDown(WPARAM vk, LPARAM lParam);
    void OnChar(WPARAM ch, LPARAM lParam);
    void StepWithSpace(LPARAM lParam);
    void StepWithWideSpace();
    void Select(int index);

    LumaEnterHandler enter_ = nullptr;
    int enterData_ = 0;
};

class CLumaListView : public CLumaControl {
public:
    using CLumaControl::CLumaControl;
    void SetEnterHandler(LumaEnterHandler handler, int data) { enter_ = handler, enterData_ = data; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool Takes(WPARAM vk) const;
    void OnKeyDown(WPARAM vk, LPARAM lParam);
    void OnChar(WPARAM ch, LPARAM lParam);
    void StepWithSpace(LPARAM lParam);
    void StepWithWideSpace();
    void SelectAndFocus(int index);

    LumaEnterHandler enter_ = nullptr;
    int enterData_ = 0;
};

class CLumaEdit : public CLumaControl {
public:
    using CLumaControl::CLumaControl;
    void SetEnterHandler(LumaEnterHandler handler, int data) { enter_ = handler, enterData_ = data; }
    void SetSpin(bool spin) { spin_ = spin; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool Takes(WPARAM vk) const;

    bool spin_ = false;
    LumaEnterHandler enter_ = nullptr;
    int enterData_ = 0;
};
