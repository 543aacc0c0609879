// The texts that end a stage and a game: the stage result, the all-correct
// bonus and the final results.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace rules {

// One show of the message window: the text it shows and speaks and the wave
// file (a name in the program folder) it plays, empty for none.
struct Message {
    std::u16string text;
    std::u16string wave;
    friend bool operator==(const Message&, const Message&) = default;
};

inline constexpr char16_t kRightWave[] = u"@正解.wav";
inline constexpr char16_t kWrongWave[] = u"@はずれ.wav";

// First message at the end of every stage.
Message StageEndHeading();

// The stage result. qpass is the number of right answers still needed when
// the stage ended (0: cleared). For two or more short, one number r
// (0 <= r < 1) is drawn from `random` to pick one of two consolations: r > 0.5
// the first. Otherwise nothing is drawn, so the game's sequence of random
// numbers moves on only when a choice is made.
Message StageResultMessage(int qpass, const std::function<double()>& random);

// Shown after a stage of five right answers; the bonus adds 100 points.
Message AllCorrectBonusMessage();

// "25問中 21問を正解しました".
std::u16string ResultCountText(int asked, int correct);

// correct / asked x 100 rounded to one decimal (halves away from zero),
// written without trailing zeros: "84", "66.7", "12.5". Nothing asked gives
// "0".
std::u16string PercentText(int asked, int correct);

// "正解率は84パーセントです".
std::u16string ResultRateText(int asked, int correct);

// The five messages of the final results, in the order they are shown.
std::vector<Message> FinalResultMessages(int asked, int correct);

inline constexpr char16_t kCancelledText[] = u"中断しました";
inline constexpr char16_t kGameOverText[] = u"ゲームオーバー";

} // namespace rules
