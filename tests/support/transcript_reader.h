// Reading the speech transcript (see speech/transcript.h) in tests.
//
// Lines of calls that reached a speech route end in the route ("[nvda]",
// "[sapi]", ...). Every reader here leaves that field out, except
// ScopedTranscript::Routed, which keeps it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// The entries with their fields joined by spaces, one string per line, for
// readable comparisons. A missing file has no lines.
std::vector<std::wstring> SaidLines(const std::filesystem::path& file);

// A fresh, empty transcript file in the temporary folder, named in
// SPEECH_TRANSCRIPT for as long as the object lives; the variable is removed
// and the file deleted afterwards.
class ScopedTranscript {
public:
    ScopedTranscript();
    ~ScopedTranscript();
    ScopedTranscript(const ScopedTranscript&) = delete;
    ScopedTranscript& operator=(const ScopedTranscript&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The lines without their route fields split into fields, escapes undone
    // (the marker comes back as U+F8F2).
    std::vector<std::vector<std::wstring>> Entries() const;
    // Like Said, with the route field kept where a line has one:
    // "reader Speak 1 上のフォルダへ [nvda]".
    std::vector<std::wstring> Routed() const;
    // SaidLines from the entry `from` on, and how often `line` was said.
    std::vector<std::wstring> Said(std::size_t from = 0) const;
    std::size_t Count(const std::wstring& line) const;

private:
    std::filesystem::path path_;
};

} // namespace testsupport
