// The control assistant: takes over a dialog's child controls with wrappers
// that give them cursor-key window operation (when the user's WindowOperation
// setting is on), and shows guide messages under a control, spoken through
// the screen reader.
//
// Use: create one in the dialog's initialisation after its controls are set
// up, call Attach(dialog, TRUE), set Enter handlers only when Attach returned
// TRUE, and delete the assistant when the dialog's window is destroyed.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "toolkit/wrapper_host.h"

class CLumaEditCombo;
class CLumaListBox;
class CLumaCheckBox;
class CLumaRadioButton;
class CLumaListView;
class CLumaEdit;
class CLumaDropListCombo;
class CLumaPushButton;
class CLumaGuideWnd;

class CLumaControlAssist final : public CLumaWrapperHost {
public:
    CLumaControlAssist();
    CLumaControlAssist(const CLumaControlAssist&) = delete;
    CLumaControlAssist& operator=(const CLumaControlAssist&) = delete;
    // Closes the guide, then gives the controls back.
    ~CLumaControlAssist();

    // Takes over the dialog's direct children. With readSetting FALSE the
    // setting counts as on. Returns TRUE when the operation is on and at
    // least one control was taken over.
    BOOL Attach(HWND dialog, BOOL readSetting);
    // Gives every control back and forgets the dialog. Returns 1.
    int Detach();

    // Sets the Enter handler of the taken-over list view / edit box with that
    // control id. Returns 1, or 0 when there is none.
    int SetListEnterHandler(int id, LumaEnterHandler handler, int data);
    int SetEditEnterHandler(int id, LumaEnterHandler handler, int data);

    // Shows `text` (code page 932, one line or two separated by "\n") in a
    // guide window 2 pixels under `anchor` and speaks `spokenText` through
    // ReaderSpeak(spokenText, 1), returning its result (0 when spokenText is
    // null). With the operation off or no dialog attached, shows a standard
    // message box with an OK button instead and returns its result.
    int ShowGuide(HWND anchor, const char* text, const char* spokenText);
    // ShowGuide under the attached dialog's control with that id (nothing
    // when there is none); a standard message box when the operation is off.
    int ShowGuideAt(int id, const char* text, const char* spokenText);
    void CloseGuide() override;

    // The WindowOperation setting, read afresh: on only for the value 1
    // read from a key opened with full access.
    static BOOL IsWindowOperationOn();

    // State, for the wrappers and for tests.
    BOOL IsOperationOn() const override { return operationOn_; }
    HWND AttachedDialog() const { return dialog_; }
    HWND GuideWindow() const;

private:
    template <typename Wrapper>
    bool TakeOver(std::vector<std::unique_ptr<Wrapper>>& list, HWND control);

    BOOL operationOn_ = FALSE;
    std::unique_ptr<CLumaGuideWnd> guide_;
    HWND dialog_ = nullptr;
    std::vector<std::unique_ptr<CLumaEditCombo>> editCombos_;
    std::vector<std::unique_ptr<CLumaListBox>> listBoxes_;
    std::vector<std::unique_ptr<CLumaCheckBox>> checkBoxes_;
    std::vector<std::unique_ptr<CLumaRadioButton>> radioButtons_;
    std::vector<std::unique_ptr<CLumaListView>> listViews_;
    std::vector<std::unique_ptr<CLumaEdit>> edits_;
    std::vector<std::unique_ptr<CLumaDropListCombo>> dropListCombos_;
    std::vector<std::unique_ptr<CLumaPushButton>> pushButtons_;
};
