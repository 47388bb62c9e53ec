// Extraction: every entry of an archive written back to the file its name
// gives, inside the working directory only.
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "engine/archive/loose_file.h"
#include "engine/archive/archive.h"
#include "engine/archive/delivery.h"
#include "engine/archive/file_paths.h"

namespace fs = std::filesystem;

namespace {
// True when the resolved target (symbolic links followed) lies inside root.
bool InsideFolder(const fs::path& root, const fs::path& target)
{
    std::error_code ec;
    const fs::path resolved = fs::weakly_canonical(target, ec);
    if (ec) {
        return false;
    }
    auto r = root.begin();
    auto t = resolved.begin();
    for (; r != root.end() && !r->empty(); ++r, ++t) {
        if (t == resolved.end() || *r != *t) {
            return false;
        }
    }
    return t != resolved.end();
}

bool WriteEntry(const fs::path& target, const unsigned char* data, int size)
{
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    FILE* out = std::fopen(target.string().c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    if (size > 0) {
        std::fwrite(data, 1, static_cast<size_t>(size), out);
    }
    return CloseWrittenFile(out) == 1;
}

// Extracts entry i; false when it is refused or cannot be written.
bool ExtractEntry(const fs::path& root, int i)
{
    const ArchiveEntry& e = archiveEntries[i];
    if (!e.usable) {
        std::printf("Pb extraction : entree illisible (%s) \n", e.name);
        return false;
    }
    if (FindArchiveEntry(e.name) != i) {
        return true;  // a repeated name: the first entry is the one the game reads
    }
    const fs::path target = root / NativePath(e.name);
    if (!IsContainedName(e.name) || !InsideFolder(root, target)) {
        std::printf("Pb extraction : nom hors du repertoire courant refuse (%s) \n", e.name);
        return false;
    }
    unsigned char* data = nullptr;
    int size = 0;
    bool ok = LoadArchiveEntry(e.name, &data, &size) == 0 && WriteEntry(target, data, size);
    std::free(data);
    if (!ok) {
        std::printf("Pb extraction du fichier (%s) \n", e.name);
    }
    return ok;
}
}

int ExtractArchive(const char* archivePath)
{
    if (archivePath == nullptr || ReadArchiveIndex(NativePath(archivePath).c_str()) != 0) {
        return 0;
    }
    std::error_code ec;
    const fs::path root = fs::canonical(fs::current_path(ec), ec);
    if (ec) {
        return 0;
    }
    bool all = true;
    for (int i = 0; i < archiveEntryCount; ++i) {
        all = ExtractEntry(root, i) && all;
    }
    return all ? 1 : 0;
}
