// Waiting on the window thread without freezing its windows.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>

namespace lumadlg {

// Waits until one of `events` is set. Meanwhile the thread's windows are
// painted and answer what other threads and programs send them (a screen
// reader's questions); keys, clicks and posted messages wait in the queue
// for afterwards. `onSlow` runs once, when the wait has lasted until
// `slowAt` (a GetTickCount64 time), unless `told` says it ran already; it
// sets `told`.
void WaitWithWindowsAlive(std::initializer_list<HANDLE> events, ULONGLONG slowAt, bool& told,
                          const std::function<void()>& onSlow);

} // namespace lumadlg
