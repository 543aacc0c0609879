// The order of the file list: the sort order value and its direction rules,
// and the keys entries are sorted by.
//
// The list's comparison of two entries: the special entries come first in
// both directions; then, in ascending direction, folders before files, and
//   name: by name ignoring case;
//   size: folders by name, files by size;
//   type: folders by name, files by type name ignoring case, then by name;
//   date: by last-write time, the newest first.
// The descending direction reverses everything but the special entries.
// Entries the comparison holds equal keep the places they had.
//
// Comparing names "ignoring case" is the platform's collation; it reaches
// this code as ranks: each entry's position among the names of its listing,
// equal names sharing a rank. An entry's key under a sort key is then a
// pair of integers, computed once and compared cheaply.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/core/file_item.h"

namespace lumadlg {

// Sort order: low 16 bits the key, high 16 bits the direction.
enum SortKey : unsigned { kSortNone = 0, kSortName = 1, kSortSize = 2, kSortType = 3, kSortDate = 4 };
inline constexpr unsigned kAscending = 1;
inline constexpr unsigned kDescending = 2;

constexpr unsigned SortKeyOf(std::uint32_t order) { return order & 0xFFFF; }
constexpr unsigned DirectionOf(std::uint32_t order) { return order >> 16; }
constexpr std::uint32_t MakeSortOrder(unsigned key, unsigned direction) { return key | (direction << 16); }

// The order a sort by `key` uses: descending when `key` is the recorded key
// in ascending direction, otherwise ascending.
std::uint32_t OrderForKey(std::uint32_t recorded, unsigned key);

// The key after the recorded one: 1 after 4 and after nothing recorded.
unsigned NextSortKey(std::uint32_t recorded);

// The spoken name of a key ("名前順" ...; "ソート" for anything else).
std::wstring SortKeyName(unsigned key);

// Dense ranks of `count` values in the order `compare` (<0, 0, >0) gives
// them: the least values get 0, and equal values share a rank.
std::vector<std::uint32_t> RanksOf(std::size_t count, const std::function<int(std::size_t, std::size_t)>& compare);

// An entry's key: entries in ascending order have ascending keys, and the
// comparison holds two entries equal exactly when their keys are equal.
struct EntryKey {
    std::uint64_t major = 0;
    std::uint64_t minor = 0;
    auto operator<=>(const EntryKey&) const = default;
};

// The key of an entry under `sortKey`, given the rank of its name and, for
// files under the type key, of its type name. Any other sort key leaves
// every entry but the special ones equal.
EntryKey KeyOf(const FileItem& item, unsigned sortKey, std::uint32_t nameRank, std::uint32_t typeRank);

// True for the key of a special entry, which stays first in both directions.
bool IsSpecialKey(const EntryKey& key);

// Puts `order` (indexes of keys) in ascending order of their keys, keeping
// the order of entries with equal keys.
void SortByKeys(std::vector<std::uint32_t>& order, const std::vector<EntryKey>& keys);

// Turns `order`, ascending or descending by `keys`, into the other
// direction: the entries after the special ones in reverse, entries with
// equal keys still in the order they were in. This is what sorting it in
// the other direction gives, without sorting.
void ReverseKeepingTies(std::vector<std::uint32_t>& order, const std::vector<EntryKey>& keys);

} // namespace lumadlg
