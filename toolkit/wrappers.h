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
#include <optional>

#include "toolkit/wrapper_host.h"
#include "win/subclass.h"

// Enter in a control with an Enter handler: the handler runs, and unless it
// ate the key (returned TRUE) the focus moves to the next control.
class EnterAction {
public:
    void Set(LumaEnterHandler handler, int data) { handler_ = handler, data_ = data; }
    void Run(HWND control) const;

private:
    LumaEnterHandler handler_ = nullptr;
    int data_ = 0;
};

// What every wrapper shares: the back pointer to its assistant, and the
// message frame of every wrapper (HandleMessage): an open guide closes on the
// next key or click; the dialog manager's query for a key that the wrapper
// takes while the operation is on is answered with DLGC_WANTMESSAGE; such a
// key's key-down goes to OnKey; the character of a key taken before is
// swallowed; everything else goes on to the control.
class CLumaControl : public win::Subclass {
public:
    explicit CLumaControl(CLumaWrapperHost* assist) : assist_(assist) {}
    // Subclasses the control; a wrapper may take over more than one window.
    virtual bool TakeOver(HWND control) { return Attach(control); }
    int Id() const { return GetDlgCtrlID(hwnd()); }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // The keys the wrapper takes while the operation is on.
    virtual bool Takes(WPARAM vk) const = 0;
    // The key-down of a taken key. Returns its result, or nothing to pass
    // the key on to the control.
    virtual std::optional<LRESULT> OnKey(WPARAM vk, LPARAM lParam) = 0;
    // Any key-down, before the operation and Takes are asked. Returns a
    // result when the key is dealt with.
    virtual std::optional<LRESULT> OnAnyKeyDown(WPARAM, LPARAM) { return std::nullopt; }
    // A character that was not swallowed.
    virtual LRESULT OnChar(WPARAM ch, LPARAM lParam) { return PassOn(WM_CHAR, ch, lParam); }
    // Hands a message on to the control's own procedure.
    virtual LRESULT PassOn(UINT msg, WPARAM wParam, LPARAM lParam) { return DefaultProc(msg, wParam, lParam); }

    bool OperationOn() const { return assist_->IsOperationOn() != FALSE; }
    // Closes an open guide on a key press or a mouse click. Keys that the
    // dialog manager keeps for itself (Tab, Escape, arrows on buttons) show
    // only as its WM_GETDLGCODE query carrying the key.
    void CloseGuideOnInput(UINT msg, LPARAM lParam);
    // The key message of a WM_GETDLGCODE query (null when it is no key-down).
    static const MSG* QueriedKeyDown(LPARAM lParam);
    // Swallows the character that the key just taken will produce.
    void SwallowCharOf(WPARAM vk);

    CLumaWrapperHost* assist_;

private:
    // True (once) when this character belongs to a key taken before.
    bool IsSwallowed(WPARAM ch);

    WPARAM swallow_ = 0;
};

class CLumaPushButton : public CLumaControl {
public:
    using CLumaControl::CLumaControl;

protected:
    bool Takes(WPARAM vk) const override;
    std::optional<LRESULT> OnKey(WPARAM vk, LPARAM lParam) override;
};

class CLumaRadioButton : public CLumaControl {
public:
    using CLumaControl::CLumaControl;

protected:
    bool Takes(WPARAM vk) const override;
    std::optional<LRESULT> OnKey(WPARAM vk, LPARAM lParam) override;
};

class CLumaCheckBox : public CLumaControl {
public:
    using CLumaControl::CLumaControl;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool Takes(WPARAM vk) const override;
    std::optional<LRESULT> OnKey(WPARAM vk, LPARAM lParam) override;
};

class CLumaDropListCombo : public CLumaControl {
public:
    using CLumaControl::CLumaControl;

protected:
    bool Takes(WPARAM vk) const override;
    std::optional<LRESULT> OnKey(WPARAM vk, LPARAM lParam) override;

private:
    bool Dropped() const;
    // Space: steps the selection with wrap-around. Returns true when the key
    // was eaten, false when it became `vk` (Down or Up).
    bool StepWithSpace(WPARAM& vk);
};

// A simple or drop-down combo box: the keys arrive at its edit part, which
// is subclassed too and runs the wrapper's frame; the combo itself only
// closes the guide.
class CLumaEditCombo : public CLumaControl {
public:
    explicit CLumaEditCombo(CLumaWrapperHost* assist);
    ~CLumaEditCombo() override;
    bool TakeOver(HWND control) override;
    int Kind() const { return kind_; }
    void SetEnterHandler(LumaEnterHandler handler, int data) { enter_.Set(handler, data); }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool Takes(WPARAM vk) const override;
    std::optional<LRESULT> OnKey(WPARAM vk, LPARAM lParam) override;
    // The frame runs for the edit part: messages go on to it.
    LRESULT PassOn(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    class EditPart;
    friend class EditPart;
    bool ListOpen() const;
    void StepSelection();

    int kind_ = 0; // 1 simple, 2 drop-down
    EnterAction enter_;
    std::unique_ptr<EditPart> edit_;
};

// List boxes and list views: Enter goes to the Enter handler or moves on,
// Space steps the current item with wrap-around (Shift+Space backwards),
// Left / Right become Up / Down, and the full-width space steps as well.
// The kinds differ in how they find, select and count their items.
class CLumaListControl : public CLumaControl {
public:
    using CLumaControl::CLumaControl;
    void SetEnterHandler(LumaEnterHandler handler, int data) { enter_.Set(handler, data); }

protected:
    bool Takes(WPARAM vk) const override;
    std::optional<LRESULT> OnKey(WPARAM vk, LPARAM lParam) override;
    // An arrow key the wrapper injected itself moves the current item
    // without extending a selection.
    std::optional<LRESULT> OnAnyKeyDown(WPARAM vk, LPARAM lParam) override;
    LRESULT OnChar(WPARAM ch, LPARAM lParam) override;

    virtual int ItemCount() const = 0;
    // The current item (caret or focus), -1 for none.
    virtual int CurrentItem() const = 0;
    // Makes `index` the current, selected item.
    virtual void MoveTo(int index) = 0;
    // Whether Space is taken as the key is pressed now.
    virtual bool TakesSpace() const = 0;
    // Whether the full-width space steps while the operation is off.
    virtual bool WideSpaceWhileOff() const = 0;
    // The held-back lead byte of a full-width space, one flag per kind.
    virtual bool& WideSpaceLeadSeen() = 0;
    // After the full-width space wrapped (forward: from the last item).
    virtual void AfterWideSpaceWrap(bool /*forward*/) {}

private:
    void StepWithSpace(LPARAM lParam);
    void StepWithWideSpace();

    EnterAction enter_;
};

class CLumaListBox : public CLumaListControl {
public:
    using CLumaListControl::CLumaListControl;

protected:
    int ItemCount() const override;
    int CurrentItem() const override;
    void MoveTo(int index) override;
    bool TakesSpace() const override { return true; }
    bool WideSpaceWhileOff() const override { return true; }
    bool& WideSpaceLeadSeen() override;
    void AfterWideSpaceWrap(bool forward) override;
};

class CLumaListView : public CLumaListControl {
public:
    using CLumaListControl::CLumaListControl;

protected:
    int ItemCount() const override;
    int CurrentItem() const override;
    void MoveTo(int index) override;
    bool TakesSpace() const override;
    bool WideSpaceWhileOff() const override { return false; }
    bool& WideSpaceLeadSeen() override;
};

class CLumaEdit : public CLumaControl {
public:
    using CLumaControl::CLumaControl;
    void SetEnterHandler(LumaEnterHandler handler, int data) { enter_.Set(handler, data); }
    void SetSpin(bool spin) { spin_ = spin; }

protected:
    bool Takes(WPARAM vk) const override;
    std::optional<LRESULT> OnKey(WPARAM vk, LPARAM lParam) override;

private:
    bool spin_ = false;
    EnterAction enter_;
};
