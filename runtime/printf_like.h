// Checks the arguments of a printf-like function of the program against its
// format, with the printf family that the C++ library of the build selects.
#pragma once

#include <cstdio>  // defines __MINGW_PRINTF_FORMAT on mingw-w64

#ifdef __MINGW_PRINTF_FORMAT  // mingw-w64: the C99 printf family, as libstdc++ selects it
#define TESSELLE_PRINTF_LIKE(f, a) __attribute__((format(__MINGW_PRINTF_FORMAT, f, a)))
#else
#define TESSELLE_PRINTF_LIKE(f, a) __attribute__((format(printf, f, a)))
#endif
