// The transcript writer. Each line is appended by opening the file, writing
// the whole line with one call and closing it again, under a named mutex:
// the program and its DLLs each carry their own copy of this code, and the
// mutex is what they share, so their lines never mix. Closing the file after
// every line leaves nothing in a buffer for a reader to wait for.
#include "speech/transcript.h"

#include <windows.h>

#include <string>

#include "speech/transcript_format.h"

namespace speech::transcript {

namespace {

constexpr wchar_t kVariable[] = L"SPEECH_TRANSCRIPT";
constexpr wchar_t kMutexName[] = L"Local\\VemoSpeechTranscript";
// A writer that holds the mutex longer than this has hung; the line is then
// appended without it rather than lost or left to block the caller.
constexpr DWORD kMutexWaitMs = 5000;

std::wstring TranscriptPath()
{
    DWORD size = GetEnvironmentVariableW(kVariable, nullptr, 0);
    if (size <= 1)
        return {};
    std::wstring path(size, L'\0');
    DWORD length = GetEnvironmentVariableW(kVariable, path.data(), size);
    if (length == 0 || length >= size)
        return {};
    path.resize(length);
    return path;
}

HANDLE SharedMutex()
{
    // Made once per module and kept for the life of the process.
    static const HANDLE mutex = CreateMutexW(nullptr, FALSE, kMutexName);
    return mutex;
}

void Append(const std::wstring& path, const std::string& line)
{
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const char* data = line.data();
    DWORD left = static_cast<DWORD>(line.size());
    while (left > 0) {
        DWORD written = 0;
        if (!WriteFile(file, data, left, &written, nullptr) || written == 0)
            break;
        data += written;
        left -= written;
    }
    CloseHandle(file);
}

} // namespace

bool Enabled()
{
    return !TranscriptPath().empty();
}

void Write(std::initializer_list<std::wstring_view> fields)
{
    try {
        const std::wstring path = TranscriptPath();
        if (path.empty())
            return;
        const std::string line = FormatLine(fields);
        HANDLE mutex = SharedMutex();
        DWORD wait = mutex ? WaitForSingleObject(mutex, kMutexWaitMs) : WAIT_FAILED;
        // An abandoned mutex is owned all the same.
        bool owned = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
        Append(path, line);
        if (owned)
            ReleaseMutex(mutex);
    } catch (...) {
        // Out of memory: the line is lost, the caller goes on.
    }
}

} // namespace speech::transcript
