#include "game/launcher.h"

#include <exdisp.h>
#include <shellapi.h>

#include <vector>

#include "win/handles.h"

namespace game {

bool SystemLauncher::StartProgram(const std::wstring& commandLine)
{
    // CreateProcessW may write into the command line.
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup = {sizeof startup};
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool SystemLauncher::OpenInBrowser(const std::wstring& address)
{
    win::ComInit com;
    win::ComPtr<IWebBrowser2> browser;
    if (FAILED(CoCreateInstance(CLSID_InternetExplorer, nullptr, CLSCTX_LOCAL_SERVER, IID_IWebBrowser2,
                                reinterpret_cast<void**>(browser.put()))) ||
        !browser)
        return false;
    win::Bstr url(address);
    VARIANT target;
    VariantInit(&target);
    target.vt = VT_BSTR;
    target.bstrVal = url.get();
    VARIANT none;
    VariantInit(&none);
    if (FAILED(browser->Navigate2(&target, &none, &none, &none, &none)) ||
        FAILED(browser->put_Visible(VARIANT_TRUE))) {
        // An invisible browser left behind would stay unseen: end it.
        browser->Quit();
        return false;
    }
    // The browser lives on by itself; the game keeps no hold on it.
    return true;
}

bool SystemLauncher::OpenWithDefault(const std::wstring& address)
{
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

bool OpenDownloadPage(Launcher& launcher, const std::wstring& address)
{
    return launcher.OpenInBrowser(address) || launcher.OpenWithDefault(address);
}

} // namespace game
