// The best-five tables of the loaded quiz: the check at the end of a game
// with the name entry, and the ranking command (F7).
#include "game/info_form.h"
#include "game/logic/layout.h"
#include "game/name_entry.h"
#include "game/program_state.h"
#include "game/quiz_window.h"
#include "game/rules/score_store.h"
#include "game/rules/wide.h"

namespace game {

std::wstring QuizWindow::ScoreSection() const
{
    return Fso.GetFileName(QuizPath);
}

void QuizWindow::ScoreCheck()
{
    const std::wstring section = ScoreSection();
    rules::Rankings rankings = rules::GetScore(section);
    const rules::Mode mode = SpeedMode ? rules::Mode::QuickPress : rules::Mode::Relaxed;
    const int score = SpeedMode ? SpeedScore : EasyScore;

    const auto entry = rules::EnterRanking(rankings.Of(mode), mode, score, [this] {
        NameEntry window(*Voice);
        window.ShowModal(hwnd());
        CancelAndWait();
        return rules::U16(EnteredName);
    });
    if (!entry)
        return;
    // Closed while the name was asked for: no name, nothing stored.
    if (Closing || EnteredName.empty())
        return;
    ShowMessage(rules::Message{entry->message, u""});
    rules::SetScore(section, rankings);
}

void QuizWindow::Label3_DblClick(POINT client)
{
    const RECT panel = Pixels(layout::kLabel3);
    if (!PtInRect(&panel, client))
        return;
    NameEntry window(*Voice);
    window.ShowModal(hwnd());
}

void QuizWindow::mnuToolRank_Click()
{
    if (!QuizLoaded)
        return;
    const rules::Rankings rankings = rules::GetScore(ScoreSection());
    InfoForm form(*Voice);
    form.Text = rules::Wide(rules::RankingText(rankings.relaxed, rankings.quickPress));
    form.ShowModal(hwnd());
}

} // namespace game
