// Resource ids of Vemo.exe (shared by the code and vemo.rc).
#pragma once

#define IDI_VEMO 1
#define kLogoBitmap 101
