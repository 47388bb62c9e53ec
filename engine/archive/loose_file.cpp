#include "engine/archive/loose_file.h"

#include <algorithm>

std::string NativePath(const std::string& path)
{
    std::string native = path;
#ifndef _WIN32
    std::replace(native.begin(), native.end(), '\\', '/');
#endif
    return native;
}

FILE* OpenLooseFile(const char* path, const char* mode)
{
    if (path == nullptr) {
        return nullptr;
    }
    return std::fopen(NativePath(path).c_str(), mode);
}
