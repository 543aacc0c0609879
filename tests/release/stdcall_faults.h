/* The declarations of stdcall_faults.c's exports, two of them wrong. */
int __stdcall Fits(int a, int b);
int __stdcall TailCall(int a);
int __stdcall Cdecl(int a, int b);
int __stdcall FewerArgs(int a, int b);
