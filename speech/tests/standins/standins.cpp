#include "speech/tests/standins/standins.h"

#include "speech/tests/standins/jaws_api_standin.h"
#include "win/module.h"
#include "win/registry.h"

namespace standins {

namespace {

// In-process servers are found under HKLM\Software\Classes: the classes
// view Wine's COM reads.
const std::wstring kProgIdKey = L"Software\\Classes\\FreedomSci.JawsApi";
const std::wstring kClassKey = std::wstring(L"Software\\Classes\\CLSID\\") + kJawsStandinClsid;

void Unregister()
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kProgIdKey.c_str());
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kClassKey.c_str());
}

} // namespace

std::filesystem::path Folder()
{
    return win::ModuleFolder(nullptr);
}

ScopedJaws::ScopedJaws()
{
    Unregister();
    win::RegKey::Create(HKEY_LOCAL_MACHINE, kProgIdKey + L"\\CLSID").WriteString(L"", kJawsStandinClsid);
    const win::RegKey server = win::RegKey::Create(HKEY_LOCAL_MACHINE, kClassKey + L"\\InprocServer32");
    server.WriteString(L"", (Folder() / L"jaws_api_standin.dll").wstring());
    server.WriteString(L"ThreadingModel", L"Both");

    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"JFWUI2";
    RegisterClassW(&wc);
    window_.reset(CreateWindowW(L"JFWUI2", L"JAWS", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                wc.hInstance, nullptr));
}

ScopedJaws::~ScopedJaws()
{
    window_.reset();
    Unregister();
}

std::vector<std::wstring> LinesFrom(const std::filesystem::path& transcript, size_t from)
{
    std::vector<std::wstring> lines;
    const std::vector<std::wstring> all = testsupport::RoutedLines(transcript);
    for (size_t i = from; i < all.size(); ++i)
        if (!all[i].starts_with(L"nvda testIfRunning"))
            lines.push_back(all[i]);
    return lines;
}

} // namespace standins
