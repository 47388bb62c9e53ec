// The operations shared by both deliveries: the folder of a path and the copy
// of one file of the game folder into a delivery folder.
#include "engine/archive/loose_file.h"
#include "engine/archive/delivery.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "engine/archive/file_paths.h"
#include "engine/core/platform_names.h"
#include "engine/core/types.h"

namespace fs = std::filesystem;

namespace {
// The folder a file of the delivery is copied from, with its trailing separator.
std::string SourceFolder(const char* name)
{
    if (kDeliverySourceDir != nullptr) {
        return kDeliverySourceDir;
    }
    return std::strcmp(name, kProgramFileName) == 0 ? ProgramFolder() : WorkingFolder();
}

void CopyOneFile(const fs::path& source, const fs::path& target)
{
    std::error_code ec;
    if (fs::equivalent(source, target, ec)) {
        return;  // the game folder itself is the delivery folder
    }
    ec.clear();
    fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        std::printf("Pb copie du fichier (%s) vers (%s) : %s\n", source.string().c_str(),
                    target.string().c_str(), ec.message().c_str());
    }
}
}

void DirOfPath(char* destination, const char* path)
{
    const char* last = nullptr;
    for (const char* p = path; *p != '\0'; ++p) {
        if (std::strchr(kFolderSeparators, *p) != nullptr) {
            last = p;
        }
    }
    if (last != nullptr && last > path) {
        const size_t n = std::min<size_t>(static_cast<size_t>(last - path) + 1, kDeliveryPathSize - 1);
        std::memcpy(destination, path, n);
        destination[n] = '\0';
    } else if (last != nullptr && *last == '/') {
        CopyString(destination, "/", kDeliveryPathSize - 1);
    } else {
        CopyString(destination, ".\\", kDeliveryPathSize - 1);
    }
}

void DeliverFile(FILE* listFile, const char* directory, const char* name)
{
    if (name == nullptr || name[0] == '\0') {
        return;
    }
    if (!IsContainedName(name)) {
        std::printf("Pb nom de fichier hors de la livraison refuse (%s) \n", name);
        return;
    }
    const std::string target = std::string(directory) + name;
    char targetDir[kDeliveryPathSize];
    DirOfPath(targetDir, target.c_str());
    std::error_code ec;
    const fs::path nativeDir = NativePath(targetDir);
    if (!fs::exists(nativeDir, ec)) {
        fs::create_directories(nativeDir, ec);
        if (ec) {
            std::printf("Pb creation du repertoire (%s) : %s\n", targetDir, ec.message().c_str());
        }
    }
    const std::string source = SourceFolder(name);
    CopyOneFile(NativePath(source + name), NativePath(target));
    if (listFile != nullptr) {
        std::fprintf(listFile, "copy %s\\%s %s\n", source.c_str(), name, target.c_str());
    }
}

void DeliverBaseFiles(FILE* listFile, const char* directory)
{
    for (const char* name : {kProgramFileName, "vorlane.dat", kLaunchWindowedName,
                             kLaunchFullscreenName}) {
        DeliverFile(listFile, directory, name);
    }
    if (kMusicFolder == nullptr) {
        return;
    }
    std::vector<std::string> tracks;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(kMusicFolder, ec)) {
        if (e.is_regular_file(ec)) {
            tracks.push_back(std::string(kMusicFolder) + "\\" + e.path().filename().string());
        }
    }
    std::sort(tracks.begin(), tracks.end());
    for (const std::string& track : tracks) {
        DeliverFile(listFile, directory, track.c_str());
    }
}
