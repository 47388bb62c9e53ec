// Diagnostics: the trace file with its memory reports, and the timing line
// drawn over every frame.
#pragma once
#include <cstdint>
#include <cstdio>

extern FILE* TraceFile;  // null when tracing is off
constexpr int kTimingLineSize = 256;
extern char TimingLineText[kTimingLineSize];  // the last timing line drawn

void OpenTrace();                       // creates or truncates the trace file
void CloseTrace();
void MemoryReport(const char* label);   // five lines to the trace file, if open
void DrawTimingLine(int32_t frameMs, int32_t averageMs);  // at (0, 0), over everything

// The machine's memory figures, in bytes.
struct MemoryStatus {
    uint32_t load;  // percent
    uint64_t totalPhys, availPhys;
    uint64_t totalPageFile, availPageFile;
    uint64_t totalVirtual, availVirtual;
};
MemoryStatus QueryMemoryStatus();
// Writes the report for status to out (the five lines).
void WriteMemoryReport(FILE* out, const char* label, const MemoryStatus& status);
