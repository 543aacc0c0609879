// Texts the file list shows and speaks for sizes and dates.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumadlg {

// Size in KB with thousands separators: 1KB, 1,206KB. A remainder of 100
// bytes or more rounds up; any non-zero size is at least 1KB.
std::wstring FormatSize(std::uint32_t bytes);

// The pattern with its first "%s" replaced by value (a message with a name).
std::wstring ReplaceS(std::wstring_view pattern, std::wstring_view value);

// A local date and time, as the platform's SYSTEMTIME gives it.
struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

// The list's date column: "yy/mm/dd h:mm".
std::wstring FormatListDate(const LocalTime& t);
// The spoken date: "2024年3月5日 9時7分".
std::wstring FormatSpokenDate(const LocalTime& t);

} // namespace lumadlg
