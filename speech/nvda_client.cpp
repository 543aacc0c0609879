#include "speech/nvda_client.h"

#include <windows.h>

#include <utility>

namespace speech {

namespace {

// The current name first; the older names carry the architecture, and a
// DLL of the other architecture fails to load and is passed over.
constexpr const wchar_t* kDllNames[] = {
    L"nvdaControllerClient.dll",
#ifdef _WIN64
    L"nvdaControllerClient64.dll",
#else
    L"nvdaControllerClient32.dll",
#endif
};

template <typename T>
T Bind(HMODULE module, const char* name)
{
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

NvdaClient::NvdaClient(std::wstring folder) : folder_(std::move(folder)) {}

bool NvdaClient::Load()
{
    if (testIfRunning_)
        return true;
    for (const wchar_t* name : kDllNames) {
        const std::wstring path = folder_ + L"\\" + name;
        if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            continue;
        // Its own dependencies are looked for beside it too.
        HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        if (!module)
            continue;
        auto testIfRunning = Bind<NoArgument>(module, "nvdaController_testIfRunning");
        auto speakText = Bind<TextArgument>(module, "nvdaController_speakText");
        auto cancelSpeech = Bind<NoArgument>(module, "nvdaController_cancelSpeech");
        auto brailleMessage = Bind<TextArgument>(module, "nvdaController_brailleMessage");
        if (testIfRunning && speakText && cancelSpeech && brailleMessage) {
            loaded_ = path;
            speakText_ = speakText;
            cancelSpeech_ = cancelSpeech;
            brailleMessage_ = brailleMessage;
            // Only since NVDA 2024.1.
            speakSsml_ = Bind<SpeakSsmlCall>(module, "nvdaController_speakSsml");
            setMarkCallback_ = Bind<SetCallbackCall>(module, "nvdaController_setOnSsmlMarkReachedCallback");
            testIfRunning_ = testIfRunning;
            return true;
        }
        FreeLibrary(module);
    }
    return false;
}

std::wstring NvdaClient::Where() const
{
    if (!loaded_.empty())
        return loaded_;
    std::wstring names;
    for (const wchar_t* name : kDllNames)
        names += (names.empty() ? L"" : L" or ") + std::wstring(name);
    return names + L" in " + folder_;
}

unsigned long NvdaClient::TestIfRunning()
{
    return Load() ? testIfRunning_() : kNoClient;
}

unsigned long NvdaClient::SpeakText(const std::wstring& text)
{
    return Load() ? speakText_(text.c_str()) : kNoClient;
}

unsigned long NvdaClient::CancelSpeech()
{
    return Load() ? cancelSpeech_() : kNoClient;
}

unsigned long NvdaClient::BrailleMessage(const std::wstring& message)
{
    return Load() ? brailleMessage_(message.c_str()) : kNoClient;
}

bool NvdaClient::OffersSsml()
{
    return Load() && speakSsml_ && setMarkCallback_;
}

unsigned long NvdaClient::SpeakSsml(const std::wstring& ssml, int symbolLevel, int priority, bool asynchronous)
{
    return OffersSsml() ? speakSsml_(ssml.c_str(), symbolLevel, priority, asynchronous ? 1 : 0) : kNoClient;
}

unsigned long NvdaClient::SetOnSsmlMarkReachedCallback(MarkCallback callback)
{
    return OffersSsml() ? setMarkCallback_(callback) : kNoClient;
}

} // namespace speech
