#include "support/fixture_world.h"

#include <cstdio>
#include <sstream>

#include "engine/config/config_reader.h"
#include "engine/render/sprite.h"
#include "engine/world/world.h"
#include "support/test_env.h"

void FixtureWorld::AddScene(const std::string& name, float scalePerso)
{
    scenes.emplace_back(name, scalePerso);
}

FixtureObject& FixtureWorld::AddObject(const std::string& name, const std::string& scene,
                                       const std::string& resAnim, Point coord)
{
    FixtureObject o;
    o.name = name;
    o.sceneName = scene;
    o.resAnimName = resAnim;
    o.coord = coord;
    objects.push_back(o);
    return objects.back();
}

void FixtureWorld::AddPicture(const std::string& name, int32_t w, int32_t h, FixtureColour colour)
{
    FixtureResource r;
    r.name = name;
    r.type = "Bmp";
    r.frames.push_back({w, h, colour, 0});
    resources.push_back(r);
}

void FixtureWorld::AddAnim(const std::string& name, const std::vector<FixtureFrame>& frames)
{
    FixtureResource r;
    r.name = name;
    r.type = "Anim";
    r.frames = frames;
    resources.push_back(r);
}

void FixtureWorld::AddText(const std::string& name, const std::string& textEng,
                           const std::string& textFr)
{
    FixtureResource r;
    r.name = name;
    r.type = "Text";
    r.textEng = textEng;
    r.textFr = textFr.empty() ? textEng : textFr;
    resources.push_back(r);
}

void FixtureWorld::AddFont(const std::string& name,
                           const std::vector<std::pair<char, FixtureFrame>>& glyphs)
{
    std::vector<FixtureFrame> frames;
    for (const auto& g : glyphs) {
        size_t k = static_cast<unsigned char>(g.first);
        if (frames.size() <= k) {
            frames.resize(k + 1);
        }
        frames[k] = g.second;
    }
    AddAnim(name, frames);
}

std::string FixtureWorld::FramePath(const std::string& name, size_t k)
{
    return name + "_" + std::to_string(k) + ".bmp";
}

namespace {
// Keys in the order in which the configuration reader asks for them.
void WriteObject(std::ostringstream& out, size_t i, const FixtureObject& o)
{
    out << "\n[Objet" << i << "]\n"
        << "Name=" << o.name << "\n"
        << "AffName=" << o.affName << "\n"
        << "ResAnimName=" << o.resAnimName << "\n"
        << "SceneName=" << o.sceneName << "\n"
        << "SceneSuivanteName=" << o.sceneSuivanteName << "\n"
        << "SceneSuivantePoint=" << o.sceneSuivantePoint << "\n"
        << "ptCoord.x=" << o.coord.x << "\nptCoord.y=" << o.coord.y << "\n"
        << "ptSize.x=" << o.size.x << "\nptSize.y=" << o.size.y << "\n"
        << "ptHotSpot.x=" << o.hotSpot.x << "\nptHotSpot.y=" << o.hotSpot.y << "\n"
        << "ptText.x=" << o.text.x << "\nptText.y=" << o.text.y << "\n"
        << "isClickable=" << o.isClickable << "\n"
        << "isAfficher=" << o.isAfficher << "\n"
        << "isZoneDep=" << o.isZoneDep << "\n"
        << "isDragAndDrop=" << o.isDragAndDrop << "\n";
}

void WriteResource(std::ostringstream& out, size_t i, const FixtureResource& r)
{
    out << "\n[Ressource" << i << "]\n"
        << "Name=" << r.name << "\n"
        << "type=" << r.type << "\n";
    if (r.type == "Anim") {
        out << "nbAnim=" << r.frames.size() << "\n";
        for (size_t k = 0; k < r.frames.size(); ++k) {
            std::string path = r.frames[k].w > 0 ? FixtureWorld::FramePath(r.name, k) : "";
            out << "filePath" << k << "=" << path << "\n"
                << "tempo" << k << "=" << r.frames[k].tempo << "\n";
        }
    } else if (r.type == "Bmp") {
        out << "filePath=" << FixtureWorld::FramePath(r.name, 0) << "\n";
    } else if (r.type == "Text") {
        out << "textBuf=" << r.textFr << "\n"
            << "textBufEng=" << r.textEng << "\n";
    } else if (r.type == "Wav" || r.type == "Mid") {
        out << "filePath=" << r.filePath << "\n";
    }
}
}

std::string FixtureWorld::ConfigText() const
{
    std::ostringstream out;
    out << "\n[Scenes]\nNbScenes=" << scenes.size() << "\n";
    for (size_t i = 0; i < scenes.size(); ++i) {
        char scale[32];
        std::snprintf(scale, sizeof scale, "%3.3f", static_cast<double>(scenes[i].second));
        out << "\n[Scene" << i + 1 << "]\nName=" << scenes[i].first << "\nScalePerso=" << scale
            << "\n";
    }
    out << "\n[Objets]\nNbObjets=" << objects.size() << "\n";
    for (size_t i = 0; i < objects.size(); ++i) {
        WriteObject(out, i + 1, objects[i]);
    }
    out << "\n[Ressources]\nNbRessources=" << resources.size() << "\n";
    for (size_t i = 0; i < resources.size(); ++i) {
        WriteResource(out, i + 1, resources[i]);
    }
    return out.str();
}

void FixtureWorld::Write(const std::string& dir) const
{
    for (const FixtureResource& r : resources) {
        for (size_t k = 0; k < r.frames.size(); ++k) {
            const FixtureFrame& f = r.frames[k];
            if (f.w > 0) {
                WriteSolidBmp(dir + "/" + FramePath(r.name, k), f.w, f.h, f.colour);
            }
        }
    }
    WriteFile(dir + "/vorlane.dat", ConfigText());
}

std::string LoadFixtureWorld(const FixtureWorld& world)
{
    std::string dir = MakeScratchDir(true);
    world.Write(dir);
    M_loadConfig("vorlane.dat");
    return dir;
}

namespace {
void PutLE(std::string& s, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}
}

void WriteSolidBmp(const std::string& path, int32_t w, int32_t h, FixtureColour colour)
{
    uint32_t rowBytes = (static_cast<uint32_t>(w) * 3 + 3) & ~3u;
    uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(h);
    std::string bmp = "BM";
    PutLE(bmp, 54 + pixelBytes, 4);  // file size
    PutLE(bmp, 0, 4);                // reserved
    PutLE(bmp, 54, 4);               // offset of the pixels
    PutLE(bmp, 40, 4);               // info header size
    PutLE(bmp, static_cast<uint32_t>(w), 4);
    PutLE(bmp, static_cast<uint32_t>(h), 4);  // bottom-up rows
    PutLE(bmp, 1, 2);                // planes
    PutLE(bmp, 24, 2);               // bits per pixel
    PutLE(bmp, 0, 4);                // no compression
    PutLE(bmp, pixelBytes, 4);
    PutLE(bmp, 2835, 4);             // 72 dpi
    PutLE(bmp, 2835, 4);
    PutLE(bmp, 0, 4);
    PutLE(bmp, 0, 4);
    std::string row;
    for (int32_t x = 0; x < w; ++x) {
        row.push_back(static_cast<char>(colour.b));
        row.push_back(static_cast<char>(colour.g));
        row.push_back(static_cast<char>(colour.r));
    }
    row.resize(rowBytes, '\0');
    for (int32_t y = 0; y < h; ++y) {
        bmp += row;
    }
    WriteFile(path, bmp);
}
