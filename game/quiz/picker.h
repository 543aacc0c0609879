// Question set-up rules: which question comes next, and in which order its
// five answers are offered. Plain logic over an injected random source, so
// tests can fix the draws. Needs no Windows header.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace quiz {

// Returns r with 0 <= r < 1 on every call.
using RandomSource = std::function<double()>;

// The integer part of r x n for the next draw r, kept below n even for a
// source that misbehaves. n must be at least 1.
int RandomBelow(const RandomSource& random, int n);

// A uniform source seeded once (the game seeds it from the time of day).
RandomSource MakeSeededRandom(std::uint32_t seed);

// Picks questions at random without repeating one within a game until every
// question of the quiz has been asked; then all become available again.
class QuestionPicker {
public:
    explicit QuestionPicker(RandomSource random);

    // Forgets which questions were asked: a new game starts.
    void ResetForNewGame();

    // Index (0 to n - 1) of the next question of a quiz of n questions,
    // marked as asked; -1 when n is less than 1.
    int Pick(int n);

    // Entry i is true once question i has been asked in this game. Grows
    // with the largest quiz picked from.
    const std::vector<bool>& UsedQ() const { return used_; }

private:
    RandomSource random_;
    std::vector<bool> used_;
};

// The display order of the five answers: entry k is the stored answer number
// (0 to 4, 0 the correct one) shown at display position k. Starts from 0..4
// and makes seconds + 11 random swaps of two different entries; seconds is
// the seconds of the time of day (0 to 59).
std::array<int, 5> AnsRandom(int seconds, const RandomSource& random);

} // namespace quiz
