// Wave-file playback for the game's events. Each play is written to the
// speech transcript as "wave async <name>" or "wave sync <name>" (the file
// name without its folder). A file that cannot be played is skipped
// silently.
#pragma once

#include <string>
#include <string_view>

namespace game {

// Full path of a wave file of the program folder, e.g. "@正解.wav".
std::wstring WaveFilePath(std::wstring_view name);

// Starts playing and returns at once; a later play cuts this one off.
void PlayWaveAsync(const std::wstring& path);
// Plays and returns when the sound has ended.
void PlayWaveSync(const std::wstring& path);

} // namespace game
