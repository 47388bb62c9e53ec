// Loose files: the one place where a path written the Windows way (with
// backslashes, as the configuration and archive names keep it) is opened as a
// file of the platform.
#pragma once
#include <cstdio>

// Opens path with the fopen mode; on POSIX systems each backslash becomes a
// slash first. Returns null when the file cannot be opened.
FILE* OpenLooseFile(const char* path, const char* mode);
