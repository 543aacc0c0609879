// The local time of a file time, as the file list shows and speaks it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dialogs/core/format.h"

namespace lumadlg {

inline LocalTime LocalTimeOf(std::uint64_t fileTime)
{
    FILETIME utc{static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
    FILETIME local;
    SYSTEMTIME st = {};
    if (FileTimeToLocalFileTime(&utc, &local))
        FileTimeToSystemTime(&local, &st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute};
}

} // namespace lumadlg
