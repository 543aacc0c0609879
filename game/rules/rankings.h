// The best-five tables of a quiz: placement of a new score, the defaults,
// the fixed-width names and the texts that show the tables.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "game/rules/play.h"

namespace rules {

inline constexpr int kPlaces = 5;
// Names are stored cut or padded with spaces to this many bytes of their
// code page 932 form; the name entry refuses longer names.
inline constexpr std::size_t kNameBytes = 12;

struct RankEntry {
    std::u16string name;
    int score = 0;
    friend bool operator==(const RankEntry&, const RankEntry&) = default;
};
// Place 1 first.
using RankTable = std::array<RankEntry, kPlaces>;

// Both tables of a quiz.
struct Rankings {
    RankTable relaxed;
    RankTable quickPress;

    RankTable& Of(Mode mode) { return mode == Mode::QuickPress ? quickPress : relaxed; }
    const RankTable& Of(Mode mode) const { return mode == Mode::QuickPress ? quickPress : relaxed; }
};

// The table of a quiz that has none stored yet.
RankTable DefaultTable(Mode mode);

// "じっくり挑戦" or "はや押し挑戦".
std::u16string ModeName(Mode mode);

// The last four characters of five spaces and the digits of n, then "点":
// 500 gives " 500点", 40 gives "  40点".
std::u16string TenStr(int n);

// A stored score: decimal digits with an optional sign and surrounding
// spaces. Anything else, or a number outside 32 bits, reads as 0, so one
// damaged value cannot keep the table from being read.
int ParseScore(std::u16string_view text);

// The fixed-width form of a name given in code page 932 bytes: the name and
// ten spaces, cut to 12 bytes without splitting a double-byte character (a
// lead byte that would be left alone is dropped).
std::string FixedWidthName(std::string_view cp932Name);

// The place (1 to 5) a score takes: the first whose score it reaches, so a
// tie is placed above the stored score. Nothing when it enters nowhere.
std::optional<int> RankPlace(const RankTable& table, int score);

// Moves places p to 4 one down (place 5 drops out) and puts the entry at p.
void InsertAt(RankTable& table, int place, RankEntry entry);

// "じっくり挑戦" CR LF "第1位 " name " " TenStr(score): shown after a new entry.
std::u16string RankResultText(Mode mode, int place, std::u16string_view name, int score);

// The text of the ranking command: both tables, each line ended by CR LF.
// The names are shown as given (the stored, fixed-width form).
std::u16string RankingText(const RankTable& relaxed, const RankTable& quickPress);

// The ranking check of a game that ended by itself. When the score enters
// the table, askName is called for the player's name (the name entry
// window), the table gets the new entry and the result text is returned;
// otherwise nothing happens and nothing is returned.
struct RankingEntry {
    int place = 0;
    std::u16string message;
};
std::optional<RankingEntry> EnterRanking(RankTable& table, Mode mode, int score,
                                         const std::function<std::u16string()>& askName);

} // namespace rules
