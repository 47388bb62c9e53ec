#include "engine/world/ressource.h"

#include <cstdio>
#include <cstring>

#include "engine/core/types.h"
#include "engine/render/sprite.h"
#include "engine/world/lookup.h"
#include "engine/world/world.h"

const char RessourceTypeNames[][kRessourceTypeNameSize] = {
    "Null", "Anim", "Bmp", "AviCD", "Wav", "Mid", "PisteCD", "Text", "ENDTAB",
};

int language = 1;

void SetLanguage(int lang)
{
    language = lang;
}

RessourceType RessourceTypeFromName(const char* name)
{
    if (name == nullptr) {
        return kResNull;
    }
    for (int i = 0; std::strcmp(RessourceTypeNames[i], "ENDTAB") != 0; ++i) {
        if (std::strcmp(RessourceTypeNames[i], name) == 0) {
            return static_cast<RessourceType>(i);
        }
    }
    return kResNull;
}

namespace {
// Sets one language's text and length, cut at 511 characters.
void StoreText(char* dst, int* length, const char* s)
{
    CopyString(dst, s, kRessourceTextSize - 1);
    *length = static_cast<int>(std::strlen(dst));
}

// The record the next addition fills, or null (with a message) when full.
Ressource* NextRessource(const char* name)
{
    if (World.ressourceCount == 0) {
        World.ressourceCount = 1;
    }
    if (World.ressourceCount >= kMaxRessources) {
        std::printf("Too many resources: %s ignored\n", name != nullptr ? name : "");
        return nullptr;
    }
    Ressource* r = &World.ressources[World.ressourceCount++];
    r->SetName(name);
    r->type = kResNull;
    return r;
}
}

void Ressource::SetName(const char* name) { CopyString(Name, name, kRessourceNameSize - 1); }
void Ressource::CopyName(char* out) const { CopyString(out, Name, kRessourceNameSize - 1); }
void Ressource::CopyTypeName(char* out) const
{
    CopyString(out, RessourceTypeNames[type], kRessourceTypeNameSize - 1);
}
void Ressource::SetTextFr(const char* s) { StoreText(text, &textLength, s); }
void Ressource::SetTextEng(const char* s) { StoreText(textEng, &textEngLength, s); }
const char* Ressource::GetText() const { return language == 1 ? textEng : text; }
int Ressource::GetTextLength() const { return language == 1 ? textEngLength : textLength; }

namespace {
// Gives a record back its initial state: pictures released, frames beyond the
// first freed, so a later load starts from empty records.
void ResetRecord(Ressource& r)
{
    for (Image* node = r.frames.next; node != nullptr;) {
        Image* next = node->next;
        FreeSurface(node->surface);
        delete node;
        node = next;
    }
    FreeSurface(r.frames.surface);
    r = Ressource();
}
}

void ClearRessources()
{
    for (Ressource& r : World.ressources) {
        ResetRecord(r);
    }
    World.ressourceCount = 0;
}

int AddRessource(const char* name, const char* typeName)
{
    Ressource* r = NextRessource(name);
    if (r == nullptr) {
        return -1;
    }
    r->type = RessourceTypeFromName(typeName);
    return 0;
}

int AddRessourceAnim(const char* name)
{
    Ressource* r = NextRessource(name);
    if (r == nullptr) {
        return -1;
    }
    r->type = kResAnim;
    return 0;
}

int AddRessourceBmp(const char* name, const char* path)
{
    Ressource* r = NextRessource(name);
    if (r == nullptr) {
        return -1;
    }
    r->type = kResBmp;
    SetImagePath(&r->frames, 0, path);
    return 0;
}

namespace {
int AddSound(const char* name, const char* path, RessourceType type)
{
    Ressource* r = NextRessource(name);
    if (r == nullptr) {
        return -1;
    }
    r->type = type;
    if (path != nullptr) {
        CopyString(r->soundPath, path, kSoundPathSize - 1);
    }
    return 0;
}
}

int AddRessourceWav(const char* name, const char* path) { return AddSound(name, path, kResWav); }
int AddRessourceMid(const char* name, const char* path) { return AddSound(name, path, kResMid); }

int AddRessourceText(const char* name, const char* textFr, const char* textEng)
{
    Ressource* r = NextRessource(name);
    if (r == nullptr) {
        return -1;
    }
    r->type = kResText;
    r->SetTextFr(textFr);
    r->SetTextEng(textEng);
    return 0;
}

int SetRessourceFrame(const char* name, int k, const char* path, int32_t tempo)
{
    int index = FindRessourceIndex(name);
    if (index == 0) {
        return 1;
    }
    SetImagePath(&World.ressources[index].frames, k, path);
    SetImageTempo(&World.ressources[index].frames, k, tempo);
    return 0;
}

int FindRessourceIndex(const char* name)
{
    return FindIndexByName(World.ressources, World.ressourceCount, name);
}

Ressource& FindRessource(const char* name)
{
    return World.ressources[FindRessourceIndex(name)];
}
