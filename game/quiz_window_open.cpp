// The open command (F2): choosing a quiz file and loading it.
#include "game/file_dialog.h"
#include "game/message_window.h"
#include "game/quiz_window.h"
#include "win/cp932.h"
#include "win/module.h"
#include "win/path_names.h"

namespace game {

namespace {

constexpr wchar_t kQuizFilter[] = L"ゼルカクイズデータ(*.zlq)|*.zlq||";
// The dialog appends its default extension to a typed name exactly as given,
// so it carries its dot: "日本の地理" typed finds "日本の地理.zlq".
constexpr wchar_t kQuizExt[] = L".zlq";
constexpr wchar_t kOpenTitle[] = L"クイズを開く";
constexpr wchar_t kCancelled[] = L"パス";
constexpr wchar_t kLoadStart[] = L"ロード スタート";
constexpr wchar_t kQuestionCount[] = L"問題数";
constexpr wchar_t kLoadEnd[] = L"ロード おわり";
constexpr wchar_t kPlayHint[] = L"F3でカルミオできます";
constexpr wchar_t kCaptionPrefix[] = L"カルミオ - ";

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
    LoadQuiz(path);
}

bool QuizWindow::LoadQuiz(const std::wstring& path)
{
    Voice->Speak(kLoadStart);
    const quiz::ReadError error = quiz::Load_zlq(path, Quiz);
    if (error != quiz::ReadError::None) {
        // The store is untouched: the quiz loaded before (if any) stays, and
        // so do the menus and the caption.
        MesDisp message(*Voice);
        message.MesText = quiz::LoadErrorMessage(error);
        message.ShowModal(hwnd());
        if (!QuizLoaded)
            ShowWindow(textMesBox_, SW_SHOW);
        return false;
    }

    // The path may hold short names (the dialog hands those out for names
    // its code page cannot carry); the caption, the information sheet and
    // the rankings use the names the file system keeps.
    QuizPath = win::LongPathName(path);
    // A quiz without questions can be looked at but not played: a game on it
    // would have nothing to ask.
    const bool playable = Quiz.QuizTotal > 0;
    EnableCommand(mnuQuizeEasy, playable);
    EnableCommand(mnuQuizeSpeed, playable);
    EnableCommand(mnuToolInfo, true);
    ShowWindow(textMesBox_, SW_HIDE);
    EnableCommand(mnuToolRank, true);
    SetWindowTextW(hwnd(), (kCaptionPrefix + Fso.GetFileName(QuizPath)).c_str());

    win::DoEvents();
    Voice->WaitSpeech();
    Voice->Speak(kQuestionCount + std::to_wstring(Quiz.QuizTotal) + cp932::kMarker + kLoadEnd + cp932::kMarker);
    Voice->Speak(kPlayHint);
    QuizLoaded = true;
    return true;
}

} // namespace game
