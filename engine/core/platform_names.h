// File and program names that differ by platform, decided once here.
#pragma once

#ifdef _WIN32
constexpr const char* kTraceFileName = "\\vorlane.tra";  // root of the current drive
#else
constexpr const char* kTraceFileName = "vorlane.tra";    // the working directory
#endif
