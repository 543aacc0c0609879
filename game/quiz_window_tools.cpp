// The main window's commands that tell about the quiz and the program: the
// quiz information (F1), the question-and-answer view (F5), the manual, the
// version box and the two download pages.
#include <string>
#include <vector>

#include "game/edit_form.h"
#include "game/info_form.h"
#include "game/launcher.h"
#include "game/links.h"
#include "game/manual.h"
#include "game/quiz/text_helpers.h"
#include "game/quiz_window.h"
#include "game/rules/quiz_info.h"
#include "game/rules/wide.h"
#include "win/module.h"
#include "win/window.h"

namespace game {

namespace {

constexpr wchar_t kCrLf[] = L"\r\n";
constexpr wchar_t kViewQuestion[] = L"【問題】";
constexpr wchar_t kViewAnswers[] = L"【解答】";
constexpr wchar_t kVersionTitle[] = L"バージョン情報";
constexpr wchar_t kVersionText[] = L"カルミオ バージョン1.0";

std::wstring ListBoxItem(HWND list, int index)
{
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT got = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<size_t>(got));
    return text;
}

SystemLauncher& TheSystem()
{
    static SystemLauncher launcher;
    return launcher;
}

} // namespace

Launcher& QuizWindow::launcher()
{
    return launcher_ ? *launcher_ : TheSystem();
}

void QuizWindow::mnuToolInfo_Click()
{
    if (!QuizLoaded)
        return;
    std::vector<rules::GenreSummary> genres;
    for (size_t g = 0; g < Quiz.GenreName.size(); ++g)
        genres.push_back({rules::U16(Quiz.GenreName[g]), Quiz.GenreCount[g]});
    InfoForm form(*Voice);
    form.Text = rules::Wide(rules::QuizInfoText(rules::U16(Fso.GetFileName(QuizPath)), genres, Quiz.QuizTotal));
    form.ShowModal(hwnd());
}

void QuizWindow::mnuQuizeCheck_Click()
{
    std::wstring text = kViewQuestion + std::wstring(kCrLf) + win::GetText(textQ_) + kCrLf + kViewAnswers + kCrLf;
    auto count = static_cast<int>(SendMessageW(selA_, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        text += ListBoxItem(selA_, i) + kCrLf;
    // The game loop waits inside this command until the viewer closes.
    Edit view(*Voice);
    view.Text = text;
    view.ShowModal(hwnd());
}

void QuizWindow::mnuHelpDoc_Click()
{
    DocRead(kManualFile, quiz::AddYen(win::ModuleFolder(nullptr)), launcher(), hwnd());
}

void QuizWindow::mnuHelpVersion_Click()
{
    MessageBoxW(hwnd(), kVersionText, kVersionTitle, MB_OK);
}

void QuizWindow::mnuToolDownload1_Click()
{
    OpenDownloadPage(launcher(), links::kGeneralQuizzes);
}

void QuizWindow::mnuToolDownload2_Click()
{
    OpenDownloadPage(launcher(), links::kLearningQuizzes);
}

} // namespace game
