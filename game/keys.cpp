// The function keys (Win32 build only): F3 gives the oil drop, F4 to F6 jump
// to a scene without moving the character.
#include "engine/script/hooks.h"
#include "engine/script/primitives.h"
#include "game/steps.h"

void OnKeyF3()
{
    Show("O_panneau_goutte_huile");
}

int OnFunctionKey(int32_t key)
{
    switch (key) {
    case 6:
        ChangeScene("SceneId_Hotel");
        break;
    case 7:
        ChangeScene("SceneId_Hall");
        break;
    case 8:
        ChangeScene("S_chambre");
        break;
    default:
        break;
    }
    return 0;
}
