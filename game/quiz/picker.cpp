#include "game/quiz/picker.h"

#include <algorithm>
#include <random>
#include <utility>

namespace quiz {

int RandomBelow(const RandomSource& random, int n)
{
    double r = random();
    if (!(r >= 0.0 && r < 1.0))
        r = 0.0; // out of range or not a number
    return std::min(static_cast<int>(r * n), n - 1);
}

RandomSource MakeSeededRandom(std::uint32_t seed)
{
    // 53 random bits scaled into [0, 1): never 1, unlike some library
    // distributions at the edge.
    return [gen = std::mt19937_64(seed)]() mutable {
        return static_cast<double>(gen() >> 11) * 0x1.0p-53;
    };
}

QuestionPicker::QuestionPicker(RandomSource random) : random_(std::move(random)) {}

void QuestionPicker::ResetForNewGame()
{
    std::fill(used_.begin(), used_.end(), false);
}

int QuestionPicker::Pick(int n)
{
    if (n < 1)
        return -1;
    if (used_.size() < static_cast<std::size_t>(n))
        used_.resize(static_cast<std::size_t>(n), false);

    auto firstFree = std::find(used_.begin(), used_.begin() + n, false);
    if (firstFree == used_.begin() + n) {
        // Every question has been asked in this game: start over.
        ResetForNewGame();
        firstFree = used_.begin();
    }

    // Draw until an unused question comes up. A uniform source finds one
    // quickly; the bound only keeps a faulty source from hanging the game,
    // which then gets the first unused question.
    int pick = -1;
    const long long maxDraws = 64LL * n + 64;
    for (long long draw = 0; draw < maxDraws; ++draw) {
        const int i = RandomBelow(random_, n);
        if (!used_[static_cast<std::size_t>(i)]) {
            pick = i;
            break;
        }
    }
    if (pick < 0)
        pick = static_cast<int>(firstFree - used_.begin());
    used_[static_cast<std::size_t>(pick)] = true;
    return pick;
}

std::array<int, 5> AnsRandom(int seconds, const RandomSource& random)
{
    std::array<int, 5> order{0, 1, 2, 3, 4};
    const int m = seconds + 10;
    for (int swap = 0; swap <= m; ++swap) {
        const int c = RandomBelow(random, 5);
        int d = RandomBelow(random, 5);
        for (int tries = 0; d == c; ++tries)
            d = tries < 1000 ? RandomBelow(random, 5) : (c + 1) % 5; // a stuck source
        std::swap(order[static_cast<std::size_t>(c)], order[static_cast<std::size_t>(d)]);
    }
    return order;
}

} // namespace quiz
