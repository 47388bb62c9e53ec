// The shipped game's binding: which scene, resource and object of its
// configuration plays each fixed role in the engine.
#include "engine/script/hooks.h"
#include "engine/script/bound_names.h"

int BindSceneNames()
{
    SetStartScene("SceneId_Depart");
    SetDialogueScene("S_Dialogue");
    SetPanelScene("SceneId_Panneau");
    SetPersoScene("SceneId_Perso");
    return 0;
}

int BindResourceNames()
{
    SetFontRes("ResId_Ascii");
    SetMouseRes("ResId_Mouse");
    SetMouseClickRes("R_Mouse_Click");
    SetMouseGoRes("RA_Mouse_Go");
    SetWalkIdleRes("ResId_DepAttente");
    SetWalkLeftRes("ResId_DepGauche");
    SetWalkRightRes("ResId_DepDroite");
    return 0;
}

int BindObjectNames()
{
    SetMouseObject("ObjectId_Mouse");
    SetPersoObject("ObjectId_Perso");
    SetPanelObject("ObjectId_Bureau_droit");
    SetPanelRightObject("O_Panneau_Droit");
    SetPanelLeftObject("O_Panneau_Gauche");
    SetChoiceObject1("O_paneau_select_1");
    SetChoiceObject2("O_paneau_select_2");
    SetChoiceObject3("O_paneau_select_3");
    return 0;
}
