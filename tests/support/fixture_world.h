// A small world for tests and manual checks: scenes, objects and resources
// described in code, written into a folder as BMP pictures (one solid colour
// each) and a configuration text, then loaded through the configuration reader.
//
//   FixtureWorld::AddScene / AddObject       describe scenes and objects
//   FixtureWorld::AddPicture / AddAnim       Bmp and Anim resources (solid pictures)
//   FixtureWorld::AddText / AddFont          Text resources, a font of glyph blocks
//   FixtureWorld::ConfigText                 the configuration file's text
//   FixtureWorld::Write                      pictures and "vorlane.dat" into a folder
//   LoadFixtureWorld                         writes into a new scratch folder and loads it
//   WriteSolidBmp                            one 24-bit BMP of a single colour
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/types.h"

struct FixtureColour {
    uint8_t r, g, b;
};

// One picture: a w x h block of one colour shown for tempo ms. A frame of
// width 0 is left without a file (an empty path in the configuration).
struct FixtureFrame {
    int32_t w = 0;
    int32_t h = 0;
    FixtureColour colour = {0, 0, 0};
    int32_t tempo = 0;
};

struct FixtureResource {
    std::string name;
    std::string type;                  // "Anim", "Bmp", "Text", or any other type name
    std::vector<FixtureFrame> frames;  // Anim: every frame; Bmp: one
    std::string textFr;
    std::string textEng;
    std::string filePath;              // Wav, Mid: the sound path as written
};

struct FixtureObject {
    std::string name;
    std::string affName;
    std::string resAnimName;
    std::string sceneName;
    std::string sceneSuivanteName;
    std::string sceneSuivantePoint;
    Point coord = {0, 0};
    Point size = {0, 0};
    Point hotSpot = {0, 0};
    Point text = {0, -20};
    int32_t isClickable = 0;
    int32_t isAfficher = 1;
    int32_t isZoneDep = 0;
    int32_t isDragAndDrop = 0;
};

struct FixtureWorld {
    std::vector<std::pair<std::string, float>> scenes;
    std::vector<FixtureObject> objects;
    std::vector<FixtureResource> resources;

    void AddScene(const std::string& name, float scalePerso = 0.0f);
    // The returned reference stays valid until the next AddObject.
    FixtureObject& AddObject(const std::string& name, const std::string& scene,
                             const std::string& resAnim, Point coord);
    void AddPicture(const std::string& name, int32_t w, int32_t h, FixtureColour colour);
    void AddAnim(const std::string& name, const std::vector<FixtureFrame>& frames);
    void AddText(const std::string& name, const std::string& textEng, const std::string& textFr = "");
    // Glyph of byte value c at frame c; the other frames up to the highest
    // glyph have no picture.
    void AddFont(const std::string& name, const std::vector<std::pair<char, FixtureFrame>>& glyphs);

    std::string ConfigText() const;
    // File name of frame k of resource name.
    static std::string FramePath(const std::string& name, size_t k);
    // Writes every picture and "vorlane.dat" into dir.
    void Write(const std::string& dir) const;
};

// Writes world into a new scratch folder, makes it the working directory and
// loads "vorlane.dat" with the configuration reader. Returns the folder.
std::string LoadFixtureWorld(const FixtureWorld& world);

void WriteSolidBmp(const std::string& path, int32_t w, int32_t h, FixtureColour colour);
