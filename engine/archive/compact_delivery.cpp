// The compact delivery: the resource archive written in three passes over the
// configuration and the media files (count, index lines, data), through a
// temporary file that replaces the archive only once it is complete.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "engine/archive/archive.h"
#include "engine/archive/delivery.h"
#include "engine/archive/file_paths.h"
#include "engine/archive/loose_file.h"
#include "engine/core/types.h"
#include "engine/world/world.h"

namespace fs = std::filesystem;

DeliveryList deliveryList;

namespace {
constexpr const char* kConfigEntry = "vorlane.dat";  // always entry 0

// Pass-1 sizes: [0] for the configuration, [1 + i] for deliveryList.paths[i].
int64_t packSizes[kMaxDeliveryPaths + 1];

void AddDeliveryPath(const char* path)
{
    for (int i = 0; i < deliveryList.count; ++i) {
        if (std::strncmp(deliveryList.paths[i], path, kDeliveryPathSize - 1) == 0) {
            return;
        }
    }
    if (deliveryList.count >= kMaxDeliveryPaths) {
        std::printf("Pb trop de fichiers a livrer (%s) \n", path);
        return;
    }
    CopyString(deliveryList.paths[deliveryList.count++], path, kDeliveryPathSize - 1);
}

// Size of the regular file at path, or -1 when it is not accessible.
int64_t LooseFileSize(const char* path)
{
    std::error_code ec;
    const fs::path native = NativePath(path);
    if (!fs::is_regular_file(native, ec)) {
        return -1;
    }
    const uintmax_t size = fs::file_size(native, ec);
    return ec ? -1 : static_cast<int64_t>(size);
}

// Size of what is packed for path: the loose file, or else, when there is
// none, the entry of the archive the game has open (a delivered game keeps its
// media in the archive only, and F1 must not drop them from the new one).
int64_t PackedSize(const char* path)
{
    const int64_t loose = LooseFileSize(path);
    if (loose >= 0) {
        return loose;
    }
    const int entry = FindArchiveEntry(path);
    return entry >= 0 ? archiveEntries[entry].size : -1;
}

int Changed(const char* path)
{
    std::printf("Pb Fichier modifie pendant la livraison (%s) \n", path);
    return -1;
}

// Appends the bytes of the open archive's entry path, which must hold size bytes.
bool CopyEntry(FILE* archive, const char* path, int64_t size)
{
    unsigned char* data = nullptr;
    int length = 0;
    const bool exact = LoadArchiveEntry(path, &data, &length) == 0 && length == size;
    if (exact && length > 0) {
        std::fwrite(data, 1, static_cast<size_t>(length), archive);
    }
    std::free(data);
    return exact;
}

// Appends exactly size bytes of what is packed for path; false when it holds
// fewer or more (or cannot be read).
bool CopyExactly(FILE* archive, const char* path, int64_t size)
{
    FILE* in = OpenLooseFile(path, "rb");
    if (in == nullptr) {
        return LooseFileSize(path) < 0 && CopyEntry(archive, path, size);
    }
    char block[1024];
    int64_t left = size;
    while (left > 0) {
        const size_t want = left < 1024 ? static_cast<size_t>(left) : sizeof block;
        const size_t got = std::fread(block, 1, want, in);
        if (got == 0) {
            break;
        }
        std::fwrite(block, 1, got, archive);
        left -= static_cast<int64_t>(got);
    }
    const bool exact = left == 0 && std::fgetc(in) == EOF;
    std::fclose(in);
    return exact;
}

const char* PackedPath(int i)
{
    return i == 0 ? kConfigEntry : deliveryList.paths[i - 1];
}

// The three passes over the configuration and the list; false when a file
// changed between them or a write failed.
bool WriteArchive(FILE* archive)
{
    int count = 0;
    for (int pass = 1; pass <= 3; ++pass) {
        if (pass == 3) {
            std::fputs(kArchiveMarker, archive);
        }
        for (int i = 0; i <= deliveryList.count; ++i) {
            const int packed = PackFile(archive, pass, PackedPath(i), &packSizes[i]);
            if (packed < 0) {
                return false;
            }
            count += packed;
        }
        if (pass == 1) {
            std::fprintf(archive, "%d\n", count);
        }
    }
    return std::ferror(archive) == 0;
}
}

void BuildDeliveryList()
{
    deliveryList.count = 0;
    for (int i = 1; i < World.ressourceCount; ++i) {
        const Ressource& r = World.ressources[i];
        switch (r.type) {
        case kResAnim:
            for (const Image* frame = &r.frames; frame != nullptr; frame = frame->next) {
                AddDeliveryPath(frame->path);
            }
            break;
        case kResBmp:
            AddDeliveryPath(r.frames.path);
            break;
        case kResWav:
        case kResMid:
            AddDeliveryPath(r.soundPath);
            break;
        default:
            break;
        }
    }
}

int PackFile(FILE* archive, int pass, const char* path, int64_t* size)
{
    if (path[0] == '\0') {
        return 0;
    }
    const int64_t now = PackedSize(path);
    if (pass == 1) {
        *size = now;
    }
    if (now < 0) {
        std::printf("Pb Fichier non accessible (%s) \n", path);
        return *size < 0 ? 0 : Changed(path);
    }
    if (now != *size) {
        return Changed(path);
    }
    if (pass == 2) {
        std::fprintf(archive, "%lld:%s\n", static_cast<long long>(now), path);
    } else if (pass == 3) {
        if (!CopyExactly(archive, path, now)) {
            return Changed(path);
        }
        std::printf(".");
    }
    return 1;
}

int DeliverCompact(const char* archivePath)
{
    if (archivePath == nullptr) {
        return 0;
    }
    char directory[kDeliveryPathSize];
    DirOfPath(directory, archivePath);
    const fs::path target = NativePath(archivePath);
    fs::path temporary = target;
    temporary += ".tmp";
    FILE* archive = std::fopen(temporary.string().c_str(), "wb");
    if (archive == nullptr) {
        return 0;
    }
    DeliverBaseFiles(nullptr, directory);
    BuildDeliveryList();
    const bool written = WriteArchive(archive);
    bool ok = CloseWrittenFile(archive) == 1 && written;
    std::error_code ec;
    if (ok) {
        fs::rename(temporary, target, ec);  // the running game keeps reading the old file
        ok = !ec;
    }
    if (!ok) {
        std::printf("Pb ecriture du fichier de ressources (%s) \n", archivePath);
        fs::remove(temporary, ec);
    }
    std::fflush(stdout);
    return ok ? 1 : 0;
}
