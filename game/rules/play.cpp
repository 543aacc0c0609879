#include "game/rules/play.h"

#include "game/rules/text.h"

namespace rules {

int StageNeed(int stage)
{
    switch (stage) {
    case 1:
        return 2;
    case 2:
    case 3:
        return 3;
    case 4:
        return 4;
    default:
        return 5;
    }
}

std::u16string StageIntroText(int stage)
{
    const int need = StageNeed(stage);
    std::u16string heading, rule;
    if (need == 4) {
        heading = u"セミファイナル";
        rule = u"4問正解でクリアです";
    } else if (need == 5) {
        heading = u"ファイナルステージ";
        rule = u"全問正解でクリアです";
    } else {
        heading = u"ステージ" + Digits(stage);
        rule = Digits(need) + u"問正解でクリアです";
    }
    return heading + kCrLf + u"5問中" + kCrLf + rule;
}

int PointsFor(Mode mode, int elapsed)
{
    return mode == Mode::QuickPress ? 60 - 5 * elapsed : kRelaxedPoints;
}

bool IsRightChoice(const std::array<int, kChoices>& order, int position)
{
    return position >= 0 && position < kChoices && order[static_cast<std::size_t>(position)] == 0;
}

std::optional<int> WrapSelection(ChoiceKey key, int position, int count)
{
    if (key == ChoiceKey::Down && position == count - 1)
        return 0;
    if (key == ChoiceKey::Up && position == 0)
        return count - 1;
    return std::nullopt;
}

std::optional<Cue> CountdownCue(int elapsed)
{
    if (elapsed >= 1 && elapsed <= 4)
        return Cue{10, 1, 0};
    if (elapsed >= 5 && elapsed <= 7)
        return Cue{10, 2, 0};
    if (elapsed >= 8 && elapsed < kTimeLimit)
        return Cue{10, 3, 0};
    return std::nullopt;
}

ClockTick TickClock(bool playing, bool answering, int& elapsed)
{
    if (!playing)
        return {};
    elapsed += 1;
    if (elapsed >= kTimeLimit)
        return {.keepRunning = false, .timeUp = true, .cue = std::nullopt};
    if (!answering)
        return {};
    return {.keepRunning = true, .timeUp = false, .cue = CountdownCue(elapsed)};
}

} // namespace rules
