#include "engine/core/diagnostics.h"

#include "engine/core/platform_names.h"
#include "engine/render/text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/sysinfo.h>
#endif

FILE* TraceFile = nullptr;

void OpenTrace()
{
    if (TraceFile != nullptr) {
        std::fclose(TraceFile);
    }
    TraceFile = std::fopen(kTraceFileName, "w");
}

void CloseTrace()
{
    if (TraceFile != nullptr) {
        std::fclose(TraceFile);
        TraceFile = nullptr;
    }
}

MemoryStatus QueryMemoryStatus()
{
    MemoryStatus s = {};
#ifdef _WIN32
    MEMORYSTATUS m;
    GlobalMemoryStatus(&m);
    s.load = m.dwMemoryLoad;
    s.totalPhys = m.dwTotalPhys;
    s.availPhys = m.dwAvailPhys;
    s.totalPageFile = m.dwTotalPageFile;
    s.availPageFile = m.dwAvailPageFile;
    s.totalVirtual = m.dwTotalVirtual;
    s.availVirtual = m.dwAvailVirtual;
#else
    // Linux: physical memory and swap from the kernel; the "virtual" pair is
    // physical plus swap, the memory the system can commit.
    struct sysinfo info;
    if (sysinfo(&info) == 0) {
        uint64_t unit = info.mem_unit != 0 ? info.mem_unit : 1;
        s.totalPhys = info.totalram * unit;
        s.availPhys = (info.freeram + info.bufferram) * unit;
        s.totalPageFile = info.totalswap * unit;
        s.availPageFile = info.freeswap * unit;
        s.totalVirtual = s.totalPhys + s.totalPageFile;
        s.availVirtual = s.availPhys + s.availPageFile;
        if (s.totalPhys > 0) {
            s.load = static_cast<uint32_t>(100 - s.availPhys * 100 / s.totalPhys);
        }
    }
#endif
    return s;
}

namespace {
int Mebibytes(uint64_t bytes)
{
    return static_cast<int>(bytes >> 20);
}
}

void WriteMemoryReport(FILE* out, const char* label, const MemoryStatus& s)
{
    std::fprintf(out, "----> Bilan m\xe9moire %s ---\n", label);
    std::fprintf(out, "MemoryLoad=%d%%\n", static_cast<int>(s.load));
    std::fprintf(out, "FreePhys      =%d / %d Mo\n", Mebibytes(s.availPhys), Mebibytes(s.totalPhys));
    std::fprintf(out, "FreePageFile  =%d / %d Mo\n", Mebibytes(s.availPageFile),
                 Mebibytes(s.totalPageFile));
    std::fprintf(out, "FreeVirtual   =%d / %d Mo\n", Mebibytes(s.availVirtual),
                 Mebibytes(s.totalVirtual));
}

void MemoryReport(const char* label)
{
    if (TraceFile != nullptr) {
        WriteMemoryReport(TraceFile, label, QueryMemoryStatus());
        std::fflush(TraceFile);
    }
}

char TimingLineText[kTimingLineSize];

void DrawTimingLine(int32_t frameMs, int32_t averageMs)
{
    int32_t f = frameMs != 0 ? frameMs : 1;
    int32_t a = averageMs != 0 ? averageMs : 1;
    int n = std::snprintf(TimingLineText, sizeof TimingLineText, "Aff=%dms (moy=%d) f=%d (moy=%d)",
                          static_cast<int>(f), static_cast<int>(a), static_cast<int>(600 / f),
                          static_cast<int>(600 / a));
    DrawText(TimingLineText, n, 0, 0, 0);
}
