// The speech engine over SAPI 5. The voice object is made on the first call,
// on the calling thread (with COM brought up for that thread when it is not
// yet), and is used from that thread afterwards. Every SAPI call it makes
// returns at once (asynchronous speaking, purging) except WaitUntilDone,
// which has a limit.
#include "speech/engine.h"

#include <windows.h>
#include <sapi.h>

#include <algorithm>
#include <mutex>
#include <string>

#include "speech/phrases.h"
#include "win/handles.h"

namespace speech {

namespace {

constexpr DWORD kSpeakFlags = SPF_ASYNC | SPF_IS_NOT_XML;

constexpr DWORD kWaitBaseMs = 5000;
constexpr DWORD kWaitPerCharMs = 400;
constexpr DWORD kWaitCapMs = 180000;

// Makes the voice speak Japanese when a Japanese voice is installed;
// otherwise it keeps the default voice.
void PreferJapaneseVoice(ISpVoice* voice)
{
    win::ComPtr<ISpObjectTokenCategory> category;
    if (FAILED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL,
                                IID_ISpObjectTokenCategory, category.put_void())))
        return;
    if (FAILED(category->SetId(SPCAT_VOICES, FALSE)))
        return;
    win::ComPtr<IEnumSpObjectTokens> tokens;
    if (FAILED(category->EnumTokens(L"Language=411", nullptr, tokens.put())) || !tokens)
        return;
    win::ComPtr<ISpObjectToken> token;
    if (tokens->Next(1, token.put(), nullptr) == S_OK && token)
        voice->SetVoice(token.get());
}

} // namespace

unsigned long WaitLimitMs(unsigned long chars)
{
    const unsigned long long limit = kWaitBaseMs + static_cast<unsigned long long>(chars) * kWaitPerCharMs;
    return static_cast<unsigned long>(std::min<unsigned long long>(limit, kWaitCapMs));
}

struct Engine::Impl {
    enum class State { NotOpened, Talking, Silent };

    std::mutex lock;
    State state = State::NotOpened;
    win::ComPtr<ISpVoice> voice;
    // COM was initialised here for this thread and is uninitialised with
    // the engine when it ends on the same thread.
    bool comInitialised = false;
    DWORD thread = 0;
    unsigned long queuedChars = 0;

    ~Impl()
    {
        if (voice) {
            voice->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
            voice.reset();
        }
        if (comInitialised && thread == GetCurrentThreadId())
            CoUninitialize();
    }

    // Brings SAPI up on the first call; true when the engine can talk.
    bool Ready()
    {
        if (state == State::NotOpened)
            state = Open() ? State::Talking : State::Silent;
        if (state == State::Silent)
            voice.reset();
        return state == State::Talking;
    }

    bool Open()
    {
        thread = GetCurrentThreadId();
        // S_FALSE (already initialised here) counts as well and is balanced
        // the same way; RPC_E_CHANGED_MODE means the thread lives in the
        // multithreaded apartment, where SAPI works too.
        HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        comInitialised = SUCCEEDED(hr);
        if (FAILED(hr) && hr != RPC_E_CHANGED_MODE)
            return false;
        if (FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                    voice.put_void())) || !voice)
            return false;
        PreferJapaneseVoice(voice.get());
        win::ComPtr<ISpObjectToken> current;
        if (FAILED(voice->GetVoice(current.put())) || !current)
            return false; // no voice installed
        // A SAPI that creates voices but cannot speak fails already here:
        // purging an empty queue is the least a working voice does.
        return SUCCEEDED(voice->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr));
    }

    void Purge()
    {
        if (Ready())
            voice->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
        queuedChars = 0;
    }
};

Engine::Engine() : impl_(std::make_unique<Impl>()) {}
Engine::~Engine() = default;

void Engine::Speak(std::wstring_view text)
{
    std::lock_guard lock(impl_->lock);
    if (!impl_->Ready())
        return;
    for (const std::wstring& phrase : SplitPhrases(text)) {
        HRESULT hr = impl_->voice->Speak(phrase.c_str(), kSpeakFlags, nullptr);
        if (hr == E_NOTIMPL) {
            impl_->state = Impl::State::Silent;
            impl_->voice.reset();
            return;
        }
        if (SUCCEEDED(hr))
            impl_->queuedChars += static_cast<unsigned long>(phrase.size());
    }
}

void Engine::Stop()
{
    std::lock_guard lock(impl_->lock);
    impl_->Purge();
}

void Engine::Wait()
{
    std::lock_guard lock(impl_->lock);
    if (impl_->Ready()) {
        impl_->voice->WaitUntilDone(WaitLimitMs(impl_->queuedChars));
    }
    impl_->queuedChars = 0;
}

bool Engine::IsSilent()
{
    std::lock_guard lock(impl_->lock);
    return !impl_->Ready();
}

} // namespace speech
