// The resource archive: a count line, one "size:name" line per entry, the
// marker "### START ###" and the entries' bytes back to back. The index is read
// once; files are then looked up by exact name before any loose file is opened.
//
//   ReadArchiveIndex   reads the index of an archive and keeps it open: 0, -1, -2
//   FindArchiveEntry   index of the first entry named exactly name, or -1
//   OpenArchiveEntry   a new stream positioned at an entry's first byte
//   LoadArchiveEntry   an entry's bytes in a newly allocated block
//   CloseArchive       closes the stream kept open by ReadArchiveIndex
#pragma once
#include <cstdint>
#include <cstdio>

constexpr int kMaxArchiveEntries = 1000;
constexpr int kArchiveNameSize = 128;  // 127 characters and a terminator
constexpr char kArchiveMarker[] = "### START ###";
constexpr int kArchiveMarkerLength = 13;

struct ArchiveEntry {
    int size;    // number of data bytes
    int offset;  // position of the first data byte in the archive
    char name[kArchiveNameSize];
    bool usable; // false when the entry cannot be read (see ReadArchiveIndex)
};

extern ArchiveEntry archiveEntries[kMaxArchiveEntries];
extern int archiveEntryCount;            // 0 until an index has been read
extern char archivePath[kArchiveNameSize];  // "vorlane.cre" until an index is read

// Reads the index of the archive at path. Returns 0 when read, -1 when the file
// cannot be opened (the previous archive, if any, stays in use), -2 when the
// index is malformed (no entry is visible). Messages go to standard output.
// Entries whose name is longer than 127 characters or whose data runs past the
// end of the file are reported and left unusable: lookups skip them, so their
// files are read as loose files. Only the first 1000 entries are kept.
int ReadArchiveIndex(const char* path);

// Index of the first usable entry whose name equals name exactly, or -1.
int FindArchiveEntry(const char* name);

// Opens the archive again as a separate binary stream positioned at the
// entry's first byte; the caller reads at most *size bytes and closes it.
// Returns 0, or -1 with *stream null and *size 0.
int OpenArchiveEntry(const char* name, FILE** stream, int* size);

// Reads the entry's bytes from the kept archive stream into a block allocated
// with malloc (the caller frees it with free). Returns 0, or -1 with *data
// null and *size 0.
int LoadArchiveEntry(const char* name, unsigned char** data, int* size);

// Closes the kept archive stream; every entry becomes invisible.
void CloseArchive();
