#include "game/file_system.h"

#include <windows.h>
#include <shlwapi.h>

namespace game {

std::wstring FileSystem::GetFileName(const std::wstring& path) const
{
    return PathFindFileNameW(path.c_str());
}

} // namespace game
