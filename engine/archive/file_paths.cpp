#include "engine/archive/file_paths.h"

#include <algorithm>
#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

bool IsContainedName(const char* name)
{
    if (name[0] == '\0' || name[0] == '\\' || name[0] == '/' || std::strchr(name, ':') != nullptr) {
        return false;
    }
    const char* part = name;
    for (const char* p = name;; ++p) {
        if (*p == '\0' || *p == '\\' || *p == '/') {
            if (p - part == 2 && part[0] == '.' && part[1] == '.') {
                return false;
            }
            if (*p == '\0') {
                return true;
            }
            part = p + 1;
        }
    }
}

int CloseWrittenFile(FILE* f)
{
    const bool failed = std::ferror(f) != 0;
    return (std::fclose(f) == 0 && !failed) ? 1 : 0;
}

std::string WorkingFolder()
{
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    return ec ? std::string(".") + static_cast<char>(fs::path::preferred_separator)
              : (cwd / "").string();
}

std::string ProgramFolder()
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? WorkingFolder() : (self.parent_path() / "").string();
}
