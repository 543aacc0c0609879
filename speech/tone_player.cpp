#include "speech/tone_player.h"

#include <windows.h>
#include <mmsystem.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "speech/engine.h"
#include "speech/tone_cues.h"
#include "win/handles.h"

namespace speech {

namespace {

// Cues asked for while this many wait are dropped: a cue heard late says
// nothing, and a burst of them must not keep the device busy for long.
constexpr std::size_t kMaxQueued = 8;
// Beyond its own length, how long a cue may take before the device is
// taken to be stuck and the cue abandoned.
constexpr DWORD kDeviceSlackMs = 2000;

struct Triple {
    int a, b, c;
};

// Shared with the worker thread. Made once and never destroyed, so that a
// worker still finishing a cue while the process ends never meets a
// destroyed mutex.
struct Player {
    std::mutex lock;
    std::condition_variable idle;
    std::deque<Triple> queue;
    bool running = false; // a worker thread exists
};

Player& ThePlayer()
{
    static Player* player = new Player();
    return *player;
}

// The wave-out device, open while the worker has cues to play.
class WaveOut {
public:
    WaveOut() : done_(CreateEventW(nullptr, FALSE, FALSE, nullptr))
    {
        if (!done_)
            return;
        WAVEFORMATEX format{};
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = 1;
        format.nSamplesPerSec = kToneSampleRate;
        format.wBitsPerSample = 16;
        format.nBlockAlign = format.nChannels * format.wBitsPerSample / 8;
        format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
        if (waveOutOpen(&out_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done_.get()), 0,
                        CALLBACK_EVENT) != MMSYSERR_NOERROR)
            out_ = nullptr;
    }
    WaveOut(const WaveOut&) = delete;
    WaveOut& operator=(const WaveOut&) = delete;
    ~WaveOut()
    {
        if (out_) {
            waveOutReset(out_);
            waveOutClose(out_);
        }
    }

    explicit operator bool() const { return out_ != nullptr; }

    // Plays samples and returns when they have been played, or when the
    // device has not finished long after it should have.
    void Play(std::vector<std::int16_t>& samples)
    {
        if (!out_ || samples.empty())
            return;
        WAVEHDR header{};
        header.lpData = reinterpret_cast<LPSTR>(samples.data());
        header.dwBufferLength = static_cast<DWORD>(samples.size() * sizeof(samples[0]));
        if (waveOutPrepareHeader(out_, &header, sizeof header) != MMSYSERR_NOERROR)
            return;
        if (waveOutWrite(out_, &header, sizeof header) == MMSYSERR_NOERROR) {
            const DWORD length = static_cast<DWORD>(samples.size() * 1000 / kToneSampleRate);
            const ULONGLONG deadline = GetTickCount64() + length + kDeviceSlackMs;
            // The device sets WHDR_DONE from its own thread, then signals.
            const volatile DWORD& flags = header.dwFlags;
            while (!(flags & WHDR_DONE)) {
                ULONGLONG now = GetTickCount64();
                if (now >= deadline)
                    break;
                WaitForSingleObject(done_.get(), static_cast<DWORD>(deadline - now));
            }
            if (!(flags & WHDR_DONE))
                waveOutReset(out_); // gives the buffer back
        }
        waveOutUnprepareHeader(out_, &header, sizeof header);
    }

private:
    win::UniqueHandle done_;
    HWAVEOUT out_ = nullptr;
};

void Work()
{
    Player& player = ThePlayer();
    std::unique_ptr<WaveOut> device;
    for (;;) {
        Triple cue;
        {
            std::lock_guard lock(player.lock);
            if (player.queue.empty()) {
                device.reset(); // closed before the player reports idle
                player.running = false;
                player.idle.notify_all();
                return;
            }
            cue = player.queue.front();
            player.queue.pop_front();
        }
        try {
            if (!device)
                device = std::make_unique<WaveOut>();
            std::vector<std::int16_t> samples = SynthesizeCue(CueFor(cue.a, cue.b, cue.c));
            device->Play(samples); // without a device: nothing, at once
        } catch (...) {
            // Out of memory: this cue is skipped.
        }
    }
}

} // namespace

void PlayTone(int a, int b, int c)
{
    Player& player = ThePlayer();
    try {
        std::lock_guard lock(player.lock);
        if (player.queue.size() >= kMaxQueued)
            return;
        player.queue.push_back({a, b, c});
        if (!player.running) {
            try {
                std::thread(Work).detach();
                player.running = true;
            } catch (...) {
                player.queue.clear(); // no worker to play it
            }
        }
    } catch (...) {
        // Out of memory: the cue is dropped, the caller goes on.
    }
}

bool WaitForTones(unsigned long timeoutMs)
{
    Player& player = ThePlayer();
    std::unique_lock lock(player.lock);
    return player.idle.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                [&] { return !player.running; });
}

} // namespace speech
