// The compact delivery against a plain copy of the same files. The data set is
// the game folder named by VORLANE_BENCH_DATA (for instance the output of
// data/generate.py), or else a synthetic one: 300 pictures and sounds of
// BMP and WAV sizes.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/archive/archive.h"
#include "engine/archive/delivery.h"
#include "engine/archive/file_paths.h"
#include "engine/archive/loose_file.h"
#include "engine/config/config_reader.h"
#include "engine/world/world.h"

namespace fs = std::filesystem;

namespace {
// Writes a synthetic game folder: 200 pictures of 300 KB, 100 sounds of 90 KB.
void MakeSyntheticGame(const fs::path& dir)
{
    fs::create_directories(dir / "img");
    fs::create_directories(dir / "snd");
    std::string bytes(300 * 1024, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i * 31 % 251);
    }
    std::ofstream(dir / "vorlane.dat") << "[Ressources]\nNbRessources=0\n";
    for (int i = 0; i < 300; ++i) {
        const bool picture = i < 200;
        const std::string name = (picture ? "img\\p" : "snd\\s") + std::to_string(i) +
                                 (picture ? ".bmp" : ".wav");
        std::ofstream(dir / NativePath(name), std::ios::binary)
            .write(bytes.data(), picture ? 300 * 1024 : 90 * 1024);
    }
}

// Fills the resource table for the synthetic folder.
void LoadSyntheticWorld()
{
    ClearRessources();
    for (int i = 0; i < 300; ++i) {
        const std::string n = std::to_string(i);
        if (i < 200) {
            AddRessourceBmp(("R_" + n).c_str(), ("img\\p" + n + ".bmp").c_str());
        } else {
            AddRessourceWav(("RS_" + n).c_str(), ("snd\\s" + n + ".wav").c_str());
        }
    }
}

// Works in the game folder with its world loaded, and goes back where it was.
class InGameFolder {
public:
    InGameFolder() : previous_(fs::current_path())
    {
        const char* real = std::getenv("VORLANE_BENCH_DATA");
        const fs::path dir =
            real != nullptr ? fs::path(real) : fs::temp_directory_path() / "vorlane_bench_game";
        if (real == nullptr && !fs::exists(dir / "vorlane.dat")) {
            MakeSyntheticGame(dir);
        }
        fs::current_path(dir);
        if (real != nullptr) {
            M_loadConfig("vorlane.dat");
        } else {
            LoadSyntheticWorld();
        }
        fs::create_directories("bench_out");
    }
    ~InGameFolder() { fs::current_path(previous_); }

private:
    fs::path previous_;
};

void BM_DeliverCompact(benchmark::State& state)
{
    InGameFolder game;
    int64_t bytes = 0;
    for (auto _ : state) {
        if (DeliverCompact("bench_out\\vorlane.cre") != 1) {
            state.SkipWithError("delivery failed");
            break;
        }
        bytes += static_cast<int64_t>(fs::file_size("bench_out/vorlane.cre"));
    }
    state.SetBytesProcessed(bytes);
}

// The same files (configuration and delivery list) copied one by one.
void BM_PlainCopy(benchmark::State& state)
{
    InGameFolder game;
    BuildDeliveryList();
    int64_t bytes = 0;
    for (auto _ : state) {
        for (int i = -1; i < deliveryList.count; ++i) {
            const char* path = i < 0 ? "vorlane.dat" : deliveryList.paths[i];
            if (path[0] == '\0') {
                continue;
            }
            const fs::path target = fs::path("bench_out/copy") / NativePath(path);
            fs::create_directories(target.parent_path());
            fs::copy_file(fs::path(NativePath(path)), target, fs::copy_options::overwrite_existing);
            bytes += static_cast<int64_t>(fs::file_size(target));
        }
    }
    state.SetBytesProcessed(bytes);
}
}

BENCHMARK(BM_DeliverCompact)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond);
