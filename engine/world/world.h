// The world tables: scenes, objects and resources with their counts. A count
// is the number of records plus one (entry 0 is reserved), or 0 when empty.
#pragma once

#include "engine/world/objet.h"
#include "engine/world/ressource.h"
#include "engine/world/scene.h"

struct WorldTables {
    Scene scenes[kMaxScenes];
    int sceneCount = 0;
    Scene currentScene;
    Objet objets[kMaxObjets] = {};
    int objetCount = 0;
    Ressource ressources[kMaxRessources];
    int ressourceCount = 0;
};

extern WorldTables World;
