// The open command (F2): choosing a quiz file and loading it.
#include "game/file_dialog.h"
#include "game/quiz_window.h"
#include "win/module.h"

namespace game {

namespace {

constexpr wchar_t kQuizFilter[] = L"ゼルカクイズデータ(*.zlq)|*.zlq||";
constexpr wchar_t kQuizExt[] = L"zlq";
constexpr wchar_t kOpenTitle[] = L"クイズを開く";
constexpr wchar_t kCancelled[] = L"パス";

} // namespace

// Runs the file dialog. A cancel (or a missing dialog library) says so and,
// before the first quiz, brings back the start-up text.
void QuizWindow::mnuFileOpen_Click()
{
    FileDialogSettings settings;
    settings.Filter = kQuizFilter;
    settings.InitDir = win::ModuleFolder(nullptr);
    settings.Owner = hwnd();
    settings.SaveMode = false;
    settings.DefExt = kQuizExt;
    settings.Title = kOpenTitle;

    std::wstring path = ShowFileDialog(settings);
    win::DoEvents();

    if (path.empty()) {
        Voice->Speak(kCancelled);
        if (!QuizLoaded)
            ShowWindow(textMesBox_, SW_SHOW);
        return;
    }
}

} // namespace game
