#include <gtest/gtest.h>

#include "engine/world/world.h"

// A second load must not show anything of the first one: frames, texts,
// sound paths and the objects' run-time state start from scratch.
TEST(Reload, RecordsStartFromScratch)
{
    ClearRessources();
    AddRessourceAnim("A");
    SetRessourceFrame("A", 2, "img\\c.bmp", 30);
    AddRessourceWav("S", "snd\\a.wav");
    ObjetConfig c = {};
    c.name = "O";
    AddObjet(c);
    Objet& o = World.objets[1];
    o.ptSpeed = {3, 4};
    o.nDestTime = 500;
    o.pCurFrame = &World.ressources[1].frames;

    ClearRessources();
    ClearObjets();
    AddRessourceAnim("A");
    SetRessourceFrame("A", 0, "img\\a.bmp", 10);
    AddRessource("S", "Null");
    AddObjet(c);

    EXPECT_EQ(ImageAt(&World.ressources[1].frames, 1), nullptr);
    EXPECT_STREQ(World.ressources[2].soundPath, "");
    EXPECT_EQ(o.ptSpeed.x, 0);
    EXPECT_EQ(o.nDestTime, 0);
    EXPECT_EQ(o.pCurFrame, nullptr);
}
