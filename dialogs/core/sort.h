// Sorting the file list: the sort order value, its direction rules and the
// comparison of two entries.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
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

// Compares two texts ignoring case; <0, 0, >0.
using NoCaseCompare = std::function<int(std::wstring_view, std::wstring_view)>;
// Fills an entry's type name (and sets typeFetched) when it is still unknown.
using TypeFetcher = std::function<void(FileItem&)>;

// Three-way comparison of two entries under `order`. Special entries come
// first in both directions; descending reverses everything else. Two files
// of the same date in ascending direction rank a before b (-1).
int CompareItems(FileItem& a, FileItem& b, std::uint32_t order, const NoCaseCompare& compare,
                 const TypeFetcher& fetchType);

// Sorts entries under `order`. Entries the comparison holds equal (or ranks
// by position only) keep their relative order.
void SortItems(std::vector<FileItem*>& items, std::uint32_t order, const NoCaseCompare& compare,
               const TypeFetcher& fetchType);

// Case-insensitive comparison for ASCII and the Latin letters; the dialog
// passes the platform's comparison instead.
int SimpleNoCaseCompare(std::wstring_view a, std::wstring_view b);

} // namespace lumadlg
