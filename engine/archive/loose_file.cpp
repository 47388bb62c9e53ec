#include "engine/archive/loose_file.h"

#include <string>

FILE* OpenLooseFile(const char* path, const char* mode)
{
    if (path == nullptr) {
        return nullptr;
    }
#ifdef _WIN32
    return std::fopen(path, mode);
#else
    std::string native(path);
    for (char& c : native) {
        if (c == '\\') {
            c = '/';
        }
    }
    return std::fopen(native.c_str(), mode);
#endif
}
