// Loose files: the one place where a path written the Windows way (with
// backslashes, as the configuration and archive names keep it) is opened as a
// file of the platform.
#pragma once
#include <cstdio>
#include <string>

// The platform path of a path written with backslashes: on POSIX systems each
// backslash becomes a slash; elsewhere the path is unchanged.
std::string NativePath(const std::string& path);

// Opens NativePath (path) with the fopen mode. Null when it cannot be opened.
FILE* OpenLooseFile(const char* path, const char* mode);
