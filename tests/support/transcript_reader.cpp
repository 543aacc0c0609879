#include "tests/support/transcript_reader.h"

#include <algorithm>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#endif

#include "speech/transcript_format.h"
#include "tests/support/temp_folder.h"

namespace testsupport {

namespace {

// The lines as written, route fields and all.
std::vector<std::string> ReadWrittenLines(const std::filesystem::path& file)
{
    std::vector<std::string> lines;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::wstring JoinFields(const std::vector<std::wstring>& fields)
{
    std::wstring line;
    for (const auto& f : fields)
        line += (line.empty() ? L"" : L" ") + f;
    return line;
}

// The lines without their route fields, split into fields.
std::vector<std::vector<std::wstring>> ReadEntries(const std::filesystem::path& file)
{
    std::vector<std::vector<std::wstring>> entries;
    for (const std::string& line : ReadWrittenLines(file))
        entries.push_back(speech::transcript::ParseLine(speech::transcript::SplitRouteField(line)));
    return entries;
}

void SetVariable(const std::filesystem::path* value)
{
#ifdef _WIN32
    SetEnvironmentVariableW(L"SPEECH_TRANSCRIPT", value ? value->c_str() : nullptr);
#else
    if (value)
        setenv("SPEECH_TRANSCRIPT", value->c_str(), 1);
    else
        unsetenv("SPEECH_TRANSCRIPT");
#endif
}

} // namespace

ScopedTranscript::ScopedTranscript() : path_(UniqueTempPath("vemo-transcript", ".txt"))
{
    std::ofstream(path_, std::ios::binary | std::ios::trunc);
    SetVariable(&path_);
}

ScopedTranscript::~ScopedTranscript()
{
    SetVariable(nullptr);
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

std::vector<std::vector<std::wstring>> ScopedTranscript::Entries() const { return ReadEntries(path_); }

std::vector<std::wstring> SaidLines(const std::filesystem::path& file)
{
    std::vector<std::wstring> lines;
    for (const auto& fields : ReadEntries(file))
        lines.push_back(JoinFields(fields));
    return lines;
}

std::vector<std::wstring> ScopedTranscript::Said(std::size_t from) const
{
    std::vector<std::wstring> lines = SaidLines(path_);
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(std::min(from, lines.size())));
    return lines;
}

std::size_t ScopedTranscript::Count(const std::wstring& line) const
{
    std::vector<std::wstring> lines = SaidLines(path_);
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}

std::vector<std::wstring> ScopedTranscript::Routed() const
{
    std::vector<std::wstring> lines;
    for (const std::string& line : ReadWrittenLines(path_))
        lines.push_back(JoinFields(speech::transcript::ParseLine(line)));
    return lines;
}

} // namespace testsupport
