/* A DLL for checking the stdcall check itself: stdcall_faults.h declares
 * these four exports as a header would, two rightly and two wrongly (one is
 * defined __cdecl, one takes fewer arguments than declared). The check must
 * pass the first two, following the tail call, and fail the others. */
static volatile int sink;

__declspec(dllexport) int __stdcall Fits(int a, int b)
{
    return a * b + 1;
}

__attribute__((noinline)) int __stdcall Target(int a)
{
    sink = a;
    return a * 3;
}

/* Compiled to a jump into Target, whose ret removes this function's
 * arguments. */
__declspec(dllexport) int __stdcall TailCall(int a)
{
    return Target(a + 1);
}

__declspec(dllexport) int __cdecl Cdecl(int a, int b)
{
    return a - b;
}

__declspec(dllexport) int __stdcall FewerArgs(int a)
{
    return a + 7;
}
