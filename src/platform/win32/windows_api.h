// <windows.h> for the Windows layer. Include it after every platform header: its macros carry
// the names of the constants that windows_names.h declares.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
