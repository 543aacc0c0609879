// zlq: makes quiz files from UTF-8 sources and prints quiz files as text;
// also says where the screen-reader library would send speech now.
//
//   zlq make SOURCE.txt OUT.zlq
//   zlq dump FILE.zlq
//   zlq speech [FOLDER]
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "tools/zlq/make.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "speech/reader_router.h"
#include "speech/transcript_format.h"
#include "tools/zlq/dump.h"
#include "win/module.h"
#endif

namespace {

int Usage()
{
    std::cerr << "usage: zlq make SOURCE.txt OUT.zlq\n"
                 "       zlq dump FILE.zlq\n"
                 "       zlq speech [FOLDER]\n";
    return 2;
}

#ifdef _WIN32
// One line: the route VOSKUSR.dll in `folder` (by default zlq's own) would
// take now, and what it found on the way.
int SpeechRoute(const std::vector<std::filesystem::path>& args)
{
    const std::wstring folder = args.size() == 2 ? args[1].wstring() : win::ModuleFolder(nullptr);
    speech::ReaderRouter router(std::make_shared<speech::NvdaClient>(folder));
    std::cout << speech::transcript::ToUtf8(router.Describe()) << "\n";
    return 0;
}
#endif

int Run(const std::vector<std::filesystem::path>& args)
{
    if (args.size() == 3 && args[0] == "make")
        return zlq::Make(args[1], args[2], std::cerr);
    if (args.size() == 2 && args[0] == "dump") {
#ifdef _WIN32
        return zlq::Dump(args[1], std::cout, std::cerr);
#else
        std::cerr << "zlq: dump reads quiz files as the game does and is part of the Windows build\n";
        return 1;
#endif
    }
#ifdef _WIN32
    if ((args.size() == 1 || args.size() == 2) && args[0] == "speech")
        return SpeechRoute(args);
#endif
    return Usage();
}

} // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv)
{
    // UTF-8 goes out byte for byte, with "\n" line ends.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::filesystem::path> args(argv + 1, argv + argc);
    return Run(args);
}
#else
int main(int argc, char** argv)
{
    std::vector<std::filesystem::path> args(argv + 1, argv + argc);
    return Run(args);
}
#endif
