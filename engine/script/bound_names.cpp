#include "engine/script/bound_names.h"

#include "engine/core/types.h"

SpecialNames specialNames = {};

#define VORLANE_SETTER(slot) \
    void Set##slot(const char* name) { CopyStringPadded(specialNames.slot, name, kSpecialNameSize - 1); }

VORLANE_SETTER(StartScene)
VORLANE_SETTER(DialogueScene)
VORLANE_SETTER(PanelScene)
VORLANE_SETTER(PersoScene)
VORLANE_SETTER(FontRes)
VORLANE_SETTER(MouseRes)
VORLANE_SETTER(MouseClickRes)
VORLANE_SETTER(MouseGoRes)
VORLANE_SETTER(WalkIdleRes)
VORLANE_SETTER(WalkLeftRes)
VORLANE_SETTER(WalkRightRes)
VORLANE_SETTER(MouseObject)
VORLANE_SETTER(PersoObject)
VORLANE_SETTER(PanelObject)
VORLANE_SETTER(PanelRightObject)
VORLANE_SETTER(PanelLeftObject)
VORLANE_SETTER(ChoiceObject1)
VORLANE_SETTER(ChoiceObject2)
VORLANE_SETTER(ChoiceObject3)

#undef VORLANE_SETTER
