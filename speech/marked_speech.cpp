#include "speech/marked_speech.h"

#include <windows.h>

#include <deque>
#include <iterator>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "speech/phrases.h"
#include "win/handles.h"

namespace speech {

namespace {

constexpr wchar_t kEndMark[] = L"end-";
// The speaking thread is given this long to finish when the object goes; a
// thread stuck in a call to a hung NVDA is left to the end of the process.
constexpr DWORD kJoinMs = 3000;

void AppendEscaped(std::wstring& out, std::wstring_view text)
{
    for (wchar_t c : text) {
        switch (c) {
        case L'&': out += L"&amp;"; break;
        case L'<': out += L"&lt;"; break;
        case L'>': out += L"&gt;"; break;
        case L'"': out += L"&quot;"; break;
        case L'\'': out += L"&apos;"; break;
        default: out += c; break;
        }
    }
}

} // namespace

struct MarkedSpeech::State {
    struct Text {
        unsigned long long id = 0;
        std::wstring text;
    };

    explicit State(std::shared_ptr<NvdaClient> client, std::function<void()> onDropped)
        : nvda(std::move(client)), dropped(std::move(onDropped))
    {
    }

    // Under lock: speech has ended when nothing is queued and the text in
    // NVDA's hands (if any) has reached its end mark.
    void UpdateIdle()
    {
        if (queue.empty() && (!speaking || speakingEnded))
            SetEvent(idle.get());
        else
            ResetEvent(idle.get());
    }

    const std::shared_ptr<NvdaClient> nvda;
    const std::function<void()> dropped;
    const win::UniqueHandle wake{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    const win::UniqueHandle idle{CreateEventW(nullptr, TRUE, TRUE, nullptr)};

    std::mutex lock; // guards everything below
    std::deque<Text> queue;
    std::optional<unsigned long long> speaking; // the text in NVDA's call
    bool speakingEnded = false;
    unsigned long long nextId = 1;
    unsigned long long stoppedUpTo = 0; // texts up to this id were stopped
    std::vector<std::wstring> droppedTexts;
    unsigned long lastError = 0;
    bool quit = false;
};

namespace {

// The object whose marks the client's callback reports.
std::mutex g_activeLock;
std::shared_ptr<MarkedSpeech::State> g_active;

} // namespace

MarkedSpeech::MarkedSpeech(std::shared_ptr<NvdaClient> nvda, std::function<void()> dropped)
    : state_(std::make_shared<State>(std::move(nvda), std::move(dropped)))
{
    {
        std::lock_guard lock(g_activeLock);
        g_active = state_;
    }
    state_->nvda->SetOnSsmlMarkReachedCallback(&MarkedSpeech::OnMarkReached);
    auto* handed = new std::shared_ptr<State>(state_);
    thread_ = CreateThread(nullptr, 0, &MarkedSpeech::Run, handed, 0, nullptr);
    if (!thread_)
        delete handed;
}

MarkedSpeech::~MarkedSpeech()
{
    Stop();
    {
        std::lock_guard lock(state_->lock);
        state_->quit = true;
    }
    SetEvent(state_->wake.get());
    if (thread_) {
        WaitForSingleObject(thread_, kJoinMs);
        CloseHandle(thread_);
    }
    std::lock_guard lock(g_activeLock);
    if (g_active == state_) {
        g_active.reset();
        state_->nvda->SetOnSsmlMarkReachedCallback(nullptr);
    }
}

std::wstring MarkedSpeech::Ssml(std::wstring_view text, unsigned long long id)
{
    std::wstring ssml = L"<speak>";
    bool first = true;
    for (const std::wstring& phrase : SplitPhrases(text)) {
        if (!first)
            ssml += L"<break time=\"300ms\"/>";
        first = false;
        AppendEscaped(ssml, phrase);
    }
    ssml += L"<mark name=\"" + std::wstring(kEndMark) + std::to_wstring(id) + L"\"/></speak>";
    return ssml;
}

void MarkedSpeech::Speak(std::wstring_view text)
{
    {
        std::lock_guard lock(state_->lock);
        if (!thread_) {
            // Nothing could speak it: it goes back at the caller's next call.
            state_->droppedTexts.emplace_back(text);
            return;
        }
        state_->queue.push_back({state_->nextId++, std::wstring(text)});
        state_->UpdateIdle();
    }
    SetEvent(state_->wake.get());
}

void MarkedSpeech::Stop()
{
    bool ours = false;
    {
        std::lock_guard lock(state_->lock);
        state_->queue.clear();
        state_->stoppedUpTo = state_->nextId - 1;
        // Only a text of ours is cut off, not what NVDA says on its own;
        // and it counts as ended: nothing is left to wait for.
        ours = state_->speaking && !state_->speakingEnded;
        state_->speakingEnded = true;
        state_->UpdateIdle();
    }
    if (ours)
        state_->nvda->CancelSpeech();
}

bool MarkedSpeech::Wait(unsigned long limitMs)
{
    return WaitForSingleObject(state_->idle.get(), limitMs) == WAIT_OBJECT_0;
}

std::vector<std::wstring> MarkedSpeech::TakeDropped()
{
    std::lock_guard lock(state_->lock);
    return std::exchange(state_->droppedTexts, {});
}

unsigned long MarkedSpeech::LastError()
{
    std::lock_guard lock(state_->lock);
    return state_->lastError;
}

unsigned long __stdcall MarkedSpeech::OnMarkReached(const wchar_t* mark)
{
    try {
        std::shared_ptr<State> state;
        {
            std::lock_guard lock(g_activeLock);
            state = g_active;
        }
        const std::wstring_view name = mark ? mark : L"";
        if (!state || !name.starts_with(kEndMark))
            return ERROR_SUCCESS;
        const unsigned long long id = std::stoull(std::wstring(name.substr(std::size(kEndMark) - 1)));
        std::lock_guard lock(state->lock);
        if (state->speaking == id) {
            state->speakingEnded = true;
            state->UpdateIdle();
        }
    } catch (...) {
        // A mark that is not ours: nothing to do.
    }
    return ERROR_SUCCESS;
}

unsigned long __stdcall MarkedSpeech::Run(void* handed)
{
    const std::shared_ptr<State> state = std::move(*static_cast<std::shared_ptr<State>*>(handed));
    delete static_cast<std::shared_ptr<State>*>(handed);
    for (;;) {
        WaitForSingleObject(state->wake.get(), INFINITE);
        for (;;) {
            State::Text text;
            {
                std::lock_guard lock(state->lock);
                if (state->quit)
                    return 0;
                if (state->queue.empty())
                    break;
                text = std::move(state->queue.front());
                state->queue.pop_front();
                state->speaking = text.id;
                state->speakingEnded = false;
            }
            const unsigned long result = state->nvda->SpeakSsml(Ssml(text.text, text.id),
                                                                NvdaClient::kSymbolLevelUnchanged,
                                                                NvdaClient::kPriorityNormal, false);
            bool failed = false;
            {
                std::lock_guard lock(state->lock);
                state->speaking.reset();
                if (result != ERROR_SUCCESS && text.id > state->stoppedUpTo) {
                    // NVDA failed: this text and those behind it go back.
                    failed = true;
                    state->lastError = result;
                    state->droppedTexts.push_back(std::move(text.text));
                    for (State::Text& queued : state->queue)
                        state->droppedTexts.push_back(std::move(queued.text));
                    state->queue.clear();
                }
                state->UpdateIdle();
            }
            if (failed && state->dropped)
                state->dropped();
        }
    }
}

} // namespace speech
