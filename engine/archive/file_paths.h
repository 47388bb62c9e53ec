// Paths of files the deliveries write or copy: names that stay inside their
// folder, checked closing of written files, and the folders copies come from.
//
//   IsContainedName   true for a relative name that stays inside its folder
//   CloseWrittenFile  closes a written stream: 1 when every write succeeded
//   ProgramFolder     the folder of the running program, with a trailing "/"
//   WorkingFolder     the working directory, with a trailing "/"
#pragma once
#include <cstdio>
#include <filesystem>
#include <string>

// True when name is not empty, does not begin with a slash or backslash, holds
// no ":" (drive letter or stream) and has no ".." component.
bool IsContainedName(const char* name);
// Closes f; returns 1 when no write failed and the close succeeded, else 0.
int CloseWrittenFile(FILE* f);
// Absolute folders ending with a separator; the working folder when the
// program's own folder cannot be found.
std::string ProgramFolder();
std::string WorkingFolder();
