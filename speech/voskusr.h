// The screen-reader speech library VOSKUSR.dll. Its functions are exported
// by ordinal only (3, 6, 9, 13; see voskusr.def) and imported through the
// import library `voskusr_import`. Texts are NUL-terminated Shift-JIS (code
// page 932) strings; the library copies them before it returns.
#pragma once

// Callers import the functions; the library itself defines them (and exports
// them through its .def file, never by name).
#ifdef VOSKUSR_BUILDING
#define VOSKUSR_API
#else
#define VOSKUSR_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Sets option to value and returns the value the option held before (0 for
// an option never set), which the caller later passes back to restore it.
// reserved is 0. The options change nothing in the speech on any route.
VOSKUSR_API int __stdcall ReaderSetMode(int option, int value, int reserved);

// Speaks text through the player's screen reader (SAPI when none runs).
// flag 1 cuts off what is being said first and also shows the text on the
// braille display; flag 0 queues the text behind it. Returns 1 when text was
// given to the speech route, 0 for a null or empty text.
VOSKUSR_API int __stdcall ReaderSpeak(const char* text, int flag);

// Cuts off what is being said and speaks text (a list item, details, a
// folder), also on the braille display. The two integers are passed through
// to the transcript. Returns like ReaderSpeak.
VOSKUSR_API int __stdcall ReaderSpeakEx(const char* text, int a, int b);

// Cuts off what is being said. Returns 1.
VOSKUSR_API int __stdcall ReaderStop(void);

#ifdef __cplusplus
}
#endif
