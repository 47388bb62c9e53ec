#include "engine/archive/archive.h"

#include <cstdlib>
#include <cstring>

#include "engine/archive/line_reader.h"
#include "engine/core/types.h"

ArchiveEntry archiveEntries[kMaxArchiveEntries];
int archiveEntryCount = 0;
char archivePath[kArchiveNameSize] = "vorlane.cre";

namespace {
FILE* archiveStream = nullptr;  // kept open after a successful index read
LineReader indexReader;         // large buffer: kept out of the stack

// Ends a read that found the index malformed: nothing stays visible.
int RejectIndex()
{
    CloseArchive();
    return -2;
}

// Reads on to the end of a physical line that one read did not finish.
void SkipRestOfLine()
{
    char rest[kLineReadMax + 1];
    size_t n = 0;
    do {
        n = ReadLine(&indexReader, rest, kLineReadMax);
    } while (n == kLineReadMax && rest[n - 1] != '\n');
}

// Parses index line i into entry (when there is room for it). Returns false
// after printing the message of a malformed line.
bool ReadIndexLine(int i, ArchiveEntry* entry)
{
    char line[kLineReadMax + 1];
    size_t n = ReadLine(&indexReader, line, kLineReadMax);
    char* colon = std::strchr(line, ':');
    if (colon == nullptr) {
        std::printf("Fichier de ressource : description fichier (%d) non valide\n", i);
        return false;
    }
    int size = ParseDecimal(line);
    if (size < 0) {
        std::printf("Resource archive: entry %d has a negative size (%d)\n", i, size);
        return false;
    }
    bool cut = n == kLineReadMax && line[n - 1] != '\n';
    if (cut) {
        SkipRestOfLine();
    }
    if (entry == nullptr) {
        return true;
    }
    char* name = colon + 1;
    TrimLineEnd(name);
    entry->size = size;
    entry->offset = 0;
    entry->usable = !cut && std::strlen(name) < kArchiveNameSize;
    CopyString(entry->name, name, kArchiveNameSize - 1);
    if (!entry->usable) {
        std::printf("Resource archive: entry %d has a name longer than %d characters; "
                    "its file is read as a loose file\n", i, kArchiveNameSize - 1);
    }
    return true;
}

// Gives the stored entries their offsets from the start of the data area and
// disables those whose data does not lie inside the file.
void PlaceEntries(int stored, int64_t dataStart, int64_t fileSize)
{
    int64_t offset = dataStart;
    for (int i = 0; i < stored; ++i) {
        ArchiveEntry& e = archiveEntries[i];
        bool inside = offset + e.size <= fileSize && offset <= INT32_MAX;
        e.offset = inside ? static_cast<int>(offset) : 0;
        if (!inside && e.usable) {
            std::printf("Resource archive: entry %d (%s) runs past the end of the file; "
                        "its file is read as a loose file\n", i, e.name);
        }
        e.usable = e.usable && inside;
        offset += e.size;
    }
}

int64_t FileSize(FILE* f)
{
    if (std::fseek(f, 0, SEEK_END) != 0) {
        return 0;
    }
    long size = std::ftell(f);
    std::rewind(f);
    return size < 0 ? 0 : size;
}
}

int ReadArchiveIndex(const char* path)
{
    if (path != nullptr && std::strlen(path) >= kArchiveNameSize) {
        std::printf("Resource archive: path longer than %d characters: %s\n",
                    kArchiveNameSize - 1, path);
        return -1;
    }
    FILE* f = path != nullptr ? std::fopen(path, "rb") : nullptr;
    if (f == nullptr) {
        std::printf("impossible d'ouvrir le fichier de ressources\n");
        return -1;
    }
    CloseArchive();
    CopyString(archivePath, path, kArchiveNameSize - 1);
    archiveStream = f;
    int64_t fileSize = FileSize(f);
    StartLineReader(&indexReader, f, -1);

    char line[kLineReadMax + 1];
    ReadLine(&indexReader, line, kLineReadMax);
    int count = ParseDecimal(line);
    if (count == 0) {
        std::printf("Fichier de ressource non valide\n");
    }
    if (count > kMaxArchiveEntries) {
        std::printf("Resource archive: %d entries, only the first %d are used\n", count,
                    kMaxArchiveEntries);
    }
    for (int i = 0; i < count; ++i) {
        if (!ReadIndexLine(i, i < kMaxArchiveEntries ? &archiveEntries[i] : nullptr)) {
            return RejectIndex();
        }
    }
    char marker[kArchiveMarkerLength];
    if (ReadBytes(&indexReader, marker, kArchiveMarkerLength) != kArchiveMarkerLength ||
        std::memcmp(marker, kArchiveMarker, kArchiveMarkerLength) != 0) {
        std::printf("Fichier de ressource : Fin de description fichier non trouv\xe9" "e\n");
        return RejectIndex();
    }
    int stored = count < 0 ? 0 : (count > kMaxArchiveEntries ? kMaxArchiveEntries : count);
    PlaceEntries(stored, indexReader.consumed, fileSize);
    archiveEntryCount = stored;
    return 0;
}

int FindArchiveEntry(const char* name)
{
    if (name == nullptr) {
        return -1;
    }
    for (int i = 0; i < archiveEntryCount; ++i) {
        if (archiveEntries[i].usable && std::strcmp(archiveEntries[i].name, name) == 0) {
            return i;
        }
    }
    return -1;
}

int OpenArchiveEntry(const char* name, FILE** stream, int* size)
{
    *stream = nullptr;
    *size = 0;
    int i = FindArchiveEntry(name);
    if (i < 0) {
        return -1;
    }
    FILE* f = std::fopen(archivePath, "rb");
    if (f == nullptr) {
        return -1;
    }
    if (std::fseek(f, archiveEntries[i].offset, SEEK_SET) != 0) {
        std::fclose(f);
        return -1;
    }
    *stream = f;
    *size = archiveEntries[i].size;
    return 0;
}

int LoadArchiveEntry(const char* name, unsigned char** data, int* size)
{
    *data = nullptr;
    *size = 0;
    int i = FindArchiveEntry(name);
    if (i < 0 || archiveStream == nullptr) {
        return -1;
    }
    const ArchiveEntry& e = archiveEntries[i];
    unsigned char* block = static_cast<unsigned char*>(std::malloc(e.size > 0 ? e.size : 1));
    if (block == nullptr) {
        return -1;
    }
    if (std::fseek(archiveStream, e.offset, SEEK_SET) != 0 ||
        std::fread(block, 1, static_cast<size_t>(e.size), archiveStream) !=
            static_cast<size_t>(e.size)) {
        std::free(block);
        return -1;
    }
    *data = block;
    *size = e.size;
    return 0;
}

void CloseArchive()
{
    if (archiveStream != nullptr) {
        std::fclose(archiveStream);
        archiveStream = nullptr;
    }
    archiveEntryCount = 0;
}
