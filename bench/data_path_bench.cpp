// Loading a 16000-line configuration and reading a 1000-entry archive index,
// each beside a floor that only reads the same bytes from the file.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/archive/archive.h"
#include "engine/config/config_reader.h"

namespace {
// A scratch folder for the benchmark files, made once and removed at exit.
struct ScratchDir {
    std::string path;
    ScratchDir()
    {
        char pattern[] = "/tmp/vorlane_bench_XXXXXX";
        const char* made = mkdtemp(pattern);
        path = made != nullptr ? made : "";
    }
    ~ScratchDir()
    {
        if (!path.empty()) {
            std::filesystem::remove_all(path);
        }
    }
};

const std::string& BenchDir()
{
    static const ScratchDir dir;
    return dir.path;
}

void Write(const std::string& path, const std::string& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f != nullptr) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

int LineCount(const std::string& text)
{
    int n = 0;
    for (char c : text) {
        n += c == '\n';
    }
    return n;
}

// A full configuration in the writer's layout: 199 scenes, 499 objects, then
// Anim and Text resources, padded with blank lines to exactly 16000 lines.
std::string BigConfig()
{
    std::string s = "\n[Scenes]\nNbScenes=199\n";
    for (int i = 1; i <= 199; ++i) {
        s += "\n[Scene" + std::to_string(i) + "]\nName=SceneId_" + std::to_string(i) +
             "\nScalePerso=0.750\n";
    }
    s += "\n[Objets]\nNbObjets=499\n";
    for (int i = 1; i <= 499; ++i) {
        const std::string n = std::to_string(i);
        s += "\n[Objet" + n + "]\nName=O_Thing" + n + "\nAffName=RT_Thing" + n +
             "\nResAnimName=R_Thing" + n +
             "\nptCoord.x=10\nptCoord.y=20\nptSize.x=30\nptSize.y=40\nptHotSpot.x=15\n"
             "ptHotSpot.y=40\nptText.x=0\nptText.y=-20\nSceneName=SceneId_" +
             std::to_string(i % 199 + 1) +
             "\nSceneSuivanteName=\nSceneSuivantePoint=\nisClickable=1\nisAfficher=1\n"
             "isZoneDep=0\nisDragAndDrop=0\n";
    }
    std::string resources;
    int count = 0;
    const int budget = 16000 - LineCount(s) - 3;
    for (;;) {
        const std::string n = std::to_string(count + 1);
        std::string r = "\n[Ressource" + n + "]\nName=R_Thing" + n + "\ntype=Anim\n";
        for (int k = 0; k < 4; ++k) {
            r += "filePath" + std::to_string(k) + "=images\\thing" + n + "_" +
                 std::to_string(k) + ".bmp\ntempo" + std::to_string(k) + "=120\n";
        }
        r += "nbAnim=4\n";
        if (LineCount(resources) + LineCount(r) > budget || count == 1499) {
            break;
        }
        resources += r;
        ++count;
    }
    s += "\n[Ressources]\nNbRessources=" + std::to_string(count) + "\n" + resources;
    s.append(static_cast<size_t>(16000 - LineCount(s)), '\n');
    return s;
}

// An archive of 1000 small entries with names like the game's media paths.
std::string BigArchiveIndex(std::string* data)
{
    std::string index = "1000\n";
    for (int i = 0; i < 1000; ++i) {
        const int size = 16 + i % 50;
        index += std::to_string(size) + ":images\\scene" + std::to_string(i / 40) + "\\object_" +
                 std::to_string(i) + "_frame.bmp\n";
        data->append(static_cast<size_t>(size), 'x');
    }
    return index + "### START ###";
}

const std::string& ConfigPath()
{
    static const std::string path = [] {
        std::string p = BenchDir() + "/vorlane.dat";
        Write(p, BigConfig());
        return p;
    }();
    return path;
}

struct ArchiveFile {
    std::string path;
    size_t indexBytes;
};

const ArchiveFile& Archive()
{
    static const ArchiveFile archive = [] {
        std::string data;
        std::string index = BigArchiveIndex(&data);
        ArchiveFile a{BenchDir() + "/vorlane.cre", index.size()};
        Write(a.path, index + data);
        return a;
    }();
    return archive;
}

// Reads n bytes of path (all of it when n is 0) with one fread.
size_t ReadRaw(const std::string& path, std::vector<char>* buffer, size_t n)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) {
        return 0;
    }
    if (n == 0) {
        std::fseek(f, 0, SEEK_END);
        n = static_cast<size_t>(std::ftell(f));
        std::rewind(f);
    }
    buffer->resize(n);
    size_t got = std::fread(buffer->data(), 1, n, f);
    std::fclose(f);
    return got;
}

// Sends standard output to /dev/null while the loaders print their lines.
class QuietStdout {
public:
    QuietStdout() : saved_(dup(1))
    {
        std::fflush(stdout);
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        close(null);
    }
    ~QuietStdout()
    {
        std::fflush(stdout);
        dup2(saved_, 1);
        close(saved_);
    }

private:
    int saved_;
};
}

static void BM_LoadConfig16000Lines(benchmark::State& state)
{
    const std::string& path = ConfigPath();
    QuietStdout quiet;
    for (auto _ : state) {
        M_loadConfig(path.c_str());
        benchmark::DoNotOptimize(ConfigLines.count);
    }
    state.counters["lines"] = ConfigLines.count;
}
BENCHMARK(BM_LoadConfig16000Lines)->Unit(benchmark::kMillisecond);

static void BM_ReadConfigBytesFloor(benchmark::State& state)
{
    const std::string& path = ConfigPath();
    std::vector<char> buffer;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadRaw(path, &buffer, 0));
    }
}
BENCHMARK(BM_ReadConfigBytesFloor)->Unit(benchmark::kMillisecond);

static void BM_ReadArchiveIndex1000(benchmark::State& state)
{
    const ArchiveFile& a = Archive();
    QuietStdout quiet;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadArchiveIndex(a.path.c_str()));
    }
    state.counters["entries"] = archiveEntryCount;
    CloseArchive();
}
BENCHMARK(BM_ReadArchiveIndex1000)->Unit(benchmark::kMicrosecond);

static void BM_ReadArchiveIndexBytesFloor(benchmark::State& state)
{
    const ArchiveFile& a = Archive();
    std::vector<char> buffer;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadRaw(a.path, &buffer, a.indexBytes));
    }
}
BENCHMARK(BM_ReadArchiveIndexBytesFloor)->Unit(benchmark::kMicrosecond);
