// The version of a system library, as its "DllGetVersion" export reports it.
#pragma once

#include <cstdint>

// Major version in the high 16 bits, minor in the low 16 bits (4.71 is 0x40047); 0 when the
// library cannot be loaded, has no "DllGetVersion" or the query fails.
uint32_t QueryDllVersion(const char* libraryName);
