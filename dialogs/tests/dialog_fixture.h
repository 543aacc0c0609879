// What the dialogs' tests share: a folder tree of the test's own, the
// transcript, a driver, and a file dialog made and run through the exports
// (the folder dialog's tests make theirs).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "dialogs/folder/folder_text.h"
#include "dialogs/lumadlg.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/transcript_reader.h"
#include "win/cp932.h"
#include "win/window.h"

namespace dialogtest {

constexpr int kName = 1000, kFolderLine = 1001, kDrives = 1002, kList = 1004;

// Puts text into the name box and presses OK.
inline void Type(HWND d, const std::wstring& text)
{
    SetDlgItemTextW(d, kName, text.c_str());
    SendMessageW(d, WM_COMMAND, IDOK, 0);
}
inline std::wstring Line(HWND d) { return win::GetText(GetDlgItem(d, kFolderLine)); }
inline HWND List(HWND d) { return GetDlgItem(d, kList); }
// The entry of drive `letter` in a dialog's drive box, or -1.
inline int DriveIndex(HWND d, wchar_t letter)
{
    for (int i = 0; i < SendDlgItemMessageW(d, kDrives, CB_GETCOUNT, 0, 0); ++i) {
        wchar_t text[MAX_PATH] = {};
        SendDlgItemMessageW(d, kDrives, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        if (lumadlg::DriveLetterOf(text) == letter)
            return i;
    }
    return -1;
}

class DialogTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        FileDlg_Delete(dialog);
        FolderDlg_Delete(dialog);
    }
    void Create(int openMode, const std::wstring& folder, const std::wstring& filter = L"", const char* ext = nullptr)
    {
        FileDlg_Delete(dialog);
        std::string f = cp932::FromWide(folder), flt = cp932::FromWide(filter);
        dialog = FileDlg_Create(openMode, ext, nullptr, f.c_str(), flt.empty() ? nullptr : flt.c_str(), nullptr);
    }
    void SetStyle(DWORD mask, DWORD style, DWORD drives = 0, FileDlgAcceptHook hook = nullptr, DWORD ops = 0)
    {
        FileDlgExStyle r = {0, mask, style, drives, ops, hook};
        FileDlg_SetExtendedStyle(dialog, &r);
    }
    // Runs the dialog; the script ends it, or it is cancelled afterwards.
    int Run(const std::function<void(HWND)>& script)
    {
        return driver.Run([&] { return FileDlg_DoModal(dialog); }, script);
    }
    // The caller's path `index`, in code page 932.
    std::string Narrow(unsigned index = 0)
    {
        char buffer[MAX_PATH * 2];
        return FileDlg_GetPathName(dialog, buffer, sizeof buffer, index);
    }
    std::wstring Path(unsigned index = 0) { return cp932::ToWide(Narrow(index)); }
    std::wstring At(const std::wstring& name = {}) const { return (name.empty() ? tree.Path() : tree / name).wstring(); }
    const Box& Seen(std::size_t i) const { return driver.Boxes().at(i); }

    testsupport::ScopedTempFolder tree{"lumadlg"};
    testsupport::ScopedTranscript transcript;
    Driver driver;
    HLUMADLG dialog = nullptr;
};

} // namespace dialogtest
