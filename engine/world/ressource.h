// Resources: named media the game refers to by name (animations and still
// pictures, sounds, CD tracks, texts in French and English), the resource
// table with its reserved entry 0, and the text language.
#pragma once
#include <cstdint>

#include "engine/render/image.h"

enum RessourceType : int32_t {
    kResNull = 0,
    kResAnim = 1,
    kResBmp = 2,
    kResAviCD = 3,
    kResWav = 4,
    kResMid = 5,
    kResPisteCD = 6,
    kResText = 7,
};

constexpr int kRessourceTypeNameSize = 16;
// Type names indexed by RessourceType, ended by "ENDTAB" (not a type).
extern const char RessourceTypeNames[][kRessourceTypeNameSize];

constexpr int kMaxRessources = 1500;  // entry 0 reserved: 1499 usable
constexpr int kRessourceNameSize = 256;
constexpr int kRessourceTextSize = 512;  // 511 characters and a terminator
constexpr int kSoundPathSize = 256;

struct Ressource {
    char Name[kRessourceNameSize] = {};
    RessourceType type = kResNull;
    Image frames;                           // first picture; more hang off frames.next
    char text[kRessourceTextSize] = {};     // French
    char textEng[kRessourceTextSize] = {};  // English
    int textLength = 0;
    int textEngLength = 0;
    char soundPath[kSoundPathSize] = {};

    void SetName(const char* name);
    void CopyName(char* out) const;      // out holds kRessourceNameSize bytes
    void CopyTypeName(char* out) const;  // out holds kRessourceTypeNameSize bytes
    void SetTextFr(const char* s);       // null gives ""; cut at 511 characters
    void SetTextEng(const char* s);
    const char* GetText() const;         // in the current language
    int GetTextLength() const;
    bool IsAnim() const { return type == kResAnim; }
    bool IsText() const { return type == kResText; }
    bool IsWav() const { return type == kResWav; }
    bool IsMid() const { return type == kResMid; }
    bool IsPisteCD() const { return type == kResPisteCD; }
    bool IsSound() const { return IsWav() || IsMid() || IsPisteCD(); }
};

// Text language: 1 English (the default), 0 French.
extern int language;
void SetLanguage(int lang);

// The type whose name equals name exactly; Null for anything else.
RessourceType RessourceTypeFromName(const char* name);

// Table operations. Additions return 0, or -1 when the table is full.
void ClearRessources();  // empties the table, releasing every picture and frame
int AddRessource(const char* name, const char* typeName);
int AddRessourceAnim(const char* name);
int AddRessourceBmp(const char* name, const char* path);
int AddRessourceWav(const char* name, const char* path);
int AddRessourceMid(const char* name, const char* path);
int AddRessourceText(const char* name, const char* textFr, const char* textEng);
// Sets path and tempo of frame k of the first resource named name.
// Returns 0, or 1 when no resource has that name.
int SetRessourceFrame(const char* name, int k, const char* path, int32_t tempo);
int FindRessourceIndex(const char* name);  // 0 when none
Ressource& FindRessource(const char* name); // entry 0 when none
