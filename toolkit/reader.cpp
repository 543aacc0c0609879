#include "toolkit/reader.h"

#include "win/cp932.h"

#include <string>

namespace reader {

int SetMode(int option, int value)
{
    return ReaderSetMode(option, value, 0);
}

int Speak(std::wstring_view text, int flag)
{
    std::string bytes = cp932::FromWide(text);
    return ReaderSpeak(bytes.c_str(), flag);
}

void SpeakEx(std::wstring_view text)
{
    if (text.empty())
        return;
    std::string bytes = cp932::FromWide(text);
    ReaderSpeakEx(bytes.c_str(), 4, 1);
}

void Stop()
{
    ReaderStop();
}

} // namespace reader
