// Message pumping on the window thread: the main loop, "let pending window
// events run" (DoEvents), and waits that sleep until the next message instead
// of spinning.
//
// Every message is offered first to the message filters registered on the
// thread (windows with accelerator tables or modeless dialog navigation), then
// translated and dispatched.
#pragma once

#include <windows.h>

#include <functional>

namespace win {

class MessageFilter {
public:
    // Returns true when the message was handled and must not be dispatched.
    virtual bool PreTranslateMessage(MSG& msg) = 0;

protected:
    ~MessageFilter() = default;
};

// Registers a filter on the calling thread for the lifetime of the object.
class ScopedMessageFilter {
public:
    explicit ScopedMessageFilter(MessageFilter* filter);
    ScopedMessageFilter(const ScopedMessageFilter&) = delete;
    ScopedMessageFilter& operator=(const ScopedMessageFilter&) = delete;
    ~ScopedMessageFilter();

private:
    MessageFilter* filter_;
};

// A filter that routes keys to a window's accelerator table.
class AcceleratorFilter : public MessageFilter {
public:
    AcceleratorFilter(HWND window, HACCEL accel) : window_(window), accel_(accel) {}
    bool PreTranslateMessage(MSG& msg) override;

private:
    HWND window_;
    HACCEL accel_;
};

// Offers, translates and dispatches one message.
void DispatchOne(MSG& msg);

// Runs every message waiting in the thread's queue and returns. Returns false
// when a WM_QUIT was met; it is posted again so that the outer loop sees it.
bool DoEvents();

// Sleeps until a message arrives for the thread or timeoutMs passes; the CPU
// stays idle meanwhile.
void WaitForEvents(DWORD timeoutMs = INFINITE);

// Lets events run, sleeping between passes, until done() is true. Returns
// false when the thread is quitting (WM_QUIT met) before that.
bool PumpUntil(const std::function<bool()>& done);

// The thread's main loop: runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

// Runs `window` modally over `owner` (which may be null): disables the owner,
// shows the window, lets events run until finished() is true or the window is
// gone, then enables and activates the owner again before destroying the
// window, so the activation returns to the owner and not to another program.
// Returns false when the thread is quitting.
bool RunModal(HWND window, HWND owner, const std::function<bool()>& finished, int showCommand = SW_SHOW);

} // namespace win
