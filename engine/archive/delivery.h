// Deliveries: the compact delivery (the resource archive holding the
// configuration and every media file the resources name, with the base files
// copied beside it), the tree delivery (every file copied to the same relative
// path, with a list file of the copies) and the extraction of an archive.
// Files are copied and folders created natively; the list file still records
// each copy as the command line "copy <source folder>\<name> <target>".
//
// Shared by both deliveries
//   DirOfPath          the folder part of a path, with its trailing separator
//   DeliverFile        copies one file of the game folder into a delivery folder
//   DeliverBaseFiles   copies the program, configuration, launch files (and music)
// Compact delivery
//   BuildDeliveryList  the distinct media paths of the resource table
//   PackFile           one file in one of the archive's three passes
//   DeliverCompact     writes the archive and the base files beside it: 1 or 0
// Tree delivery and extraction
//   DeliverTree        copies every file and writes the list file: 1 or 0
//   ExtractArchive     writes every archive entry to the file it names: 1 or 0
#pragma once
#include <cstdint>
#include <cstdio>

constexpr int kMaxDeliveryPaths = 16000;
constexpr int kDeliveryPathSize = 255;  // 254 characters and a terminator

// The distinct media paths of the resource table, rebuilt by every compact delivery.
struct DeliveryList {
    char paths[kMaxDeliveryPaths][kDeliveryPathSize];
    int count;
};
extern DeliveryList deliveryList;

// Writes into destination (kDeliveryPathSize bytes) the path up to and
// including its last separator (kFolderSeparators), or ".\" when there is none
// or it is a leading backslash; "/" for a path in the root folder.
void DirOfPath(char* destination, const char* path);
// Copies name (relative, with backslashes) from its source folder to
// directory + name, creating the target's folders; a copy onto the source
// itself is skipped. When listFile is given the copy line is written to it.
// A failed copy is reported and the delivery goes on.
void DeliverFile(FILE* listFile, const char* directory, const char* name);
// Delivers the four base files into directory, then the music tracks when the
// platform has a music folder.
void DeliverBaseFiles(FILE* listFile, const char* directory);

// Empties deliveryList, then adds the frame paths of Anim resources, the
// picture of Bmp and the sound of Wav and Mid, in table order, each path once.
void BuildDeliveryList();
// What is packed for a path is its loose file or, when there is none, the entry
// of that name in the archive read by ReadArchiveIndex (so that F1 in a
// delivered game keeps the media it has only in its archive).
// Pass 1 measures the file into *size (-1 when not accessible), pass 2 writes
// its index line, pass 3 appends exactly *size bytes. Returns 1 when the file
// is accessible, 0 when it is not (message) or path is empty, -1 (message)
// when it changed since pass 1, so that the archive would disagree with its index.
int PackFile(FILE* archive, int pass, const char* path, int64_t* size);
// Delivers the base files into the archive's folder and writes the archive
// with "vorlane.dat" and the delivery list. The archive is written to a
// temporary file beside it and renamed into place when complete. Returns 1, or
// 0 when archivePath is null, the archive cannot be created or written, or a
// file changed during the delivery (nothing is left at archivePath then).
int DeliverCompact(const char* archivePath);

// Delivers the base files and every media path of the resources into the
// list's folder, recording the copies and the media paths in the list file.
// Returns 1, or 0 when listPath is null or the list cannot be created or written.
int DeliverTree(const char* listPath);
// Writes every entry of the archive to the file its name gives (backslashes
// separate folders), relative to the working directory, creating folders.
// Names that are empty, absolute, carry a drive or stream (":") or leave the
// working directory are refused with a message and nothing is written for
// them. Reads the index through ReadArchiveIndex. Returns 1 when every entry
// was extracted, 0 otherwise.
int ExtractArchive(const char* archivePath);
