#include "game/wave.h"

#include <windows.h>
#include <mmsystem.h>

#include "game/quiz/text_helpers.h"
#include "speech/transcript.h"
#include "win/module.h"

namespace game {

namespace {

std::wstring_view FileName(std::wstring_view path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring_view::npos ? path : path.substr(slash + 1);
}

void Play(const std::wstring& path, bool sync)
{
    if (path.empty())
        return;
    // A missing or unreadable file plays nothing and says nothing.
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    speech::transcript::Write({L"wave", sync ? L"sync" : L"async", FileName(path)});
    DWORD flags = SND_FILENAME | SND_NODEFAULT | (sync ? SND_SYNC : SND_ASYNC);
    PlaySoundW(path.c_str(), nullptr, flags);
}

} // namespace

std::wstring WaveFilePath(std::wstring_view name)
{
    return quiz::AddYen(win::ModuleFolder(nullptr)) + std::wstring(name);
}

void PlayWaveAsync(const std::wstring& path)
{
    Play(path, false);
}

void PlayWaveSync(const std::wstring& path)
{
    Play(path, true);
}

} // namespace game
