// The bitmap font and the timed text slots.
#include "engine/render/text.h"

#include <algorithm>
#include <cstdlib>

#include "engine/core/clock.h"
#include "engine/render/screen.h"
#include "engine/script/bound_names.h"
#include "engine/world/world.h"

TextSlot textSlots[kTextSlotCount];

namespace {
constexpr int32_t kLineHeight = 25;
constexpr int32_t kMeasureMaxAdvance = 50;  // wider glyphs are not counted in the box
constexpr char kLineBreak = '/';

// The glyphs of the font, by byte value: one walk of the picture list per
// text drawn instead of one per character.
struct Glyphs {
    Image* glyph[256];
    int count;  // byte values from count on have no glyph

    explicit Glyphs(Ressource& font) : glyph(), count(0)
    {
        for (Image* node = &font.frames; node != nullptr && count < 256; node = node->next) {
            glyph[count++] = node;
        }
    }
    Image* Of(char c) const
    {
        unsigned char b = static_cast<unsigned char>(c);
        return b < count ? glyph[b] : nullptr;
    }
};

// The box behind a text: as wide as its glyphs narrower than 50 pixels,
// down to the bottom of the last glyph measured.
void DrawTextBox(const Glyphs& font, const char* s, int32_t length, int32_t x0, int32_t y0)
{
    int32_t cx = x0;
    int32_t cy = y0;
    int32_t maxX = x0;
    int32_t bottom = y0;
    for (int32_t i = 0; i < length; ++i) {
        if (s[i] == kLineBreak) {
            cx = x0;
            cy += kLineHeight;
            continue;
        }
        const Image* g = s[i] != '\0' ? font.Of(s[i]) : nullptr;
        if (g == nullptr) {
            continue;
        }
        if (std::abs(g->rect.right) < kMeasureMaxAdvance) {
            cx += g->rect.right;
        }
        maxX = std::max(maxX, cx);
        bottom = cy + g->rect.bottom;
    }
    DrawBox(x0, y0, maxX, bottom, 0, 0, 0);
    DrawBox(x0 + 1, y0 + 1, maxX - 1, bottom - 1, 255, 255, 255);
}

void DrawTextWith(const Glyphs& font, const char* s, int32_t length, int32_t x0, int32_t y0,
                  int32_t boxed)
{
    if (boxed) {
        DrawTextBox(font, s, length, x0, y0);
    }
    int32_t cx = x0;
    int32_t cy = y0;
    for (int32_t i = 0; i < length; ++i) {
        if (s[i] == kLineBreak) {
            cx = x0;
            cy += kLineHeight;
            continue;
        }
        Image* g = font.Of(s[i]);
        if (g != nullptr) {
            DrawImage(g, screen.fond, cx, cy, 0.0f, 0, 0);
            cx += g->rect.right;
        }
    }
}

// Characters of a progressive text shown after elapsed ms; a reveal time of
// 0 shows the whole text at once.
int32_t RevealedLength(const TextSlot& slot, uint32_t elapsed, int32_t length)
{
    if (slot.revealTime == 0) {
        return length;
    }
    uint64_t shown = static_cast<uint64_t>(elapsed) * static_cast<uint64_t>(length) / slot.revealTime;
    return static_cast<int32_t>(std::min<uint64_t>(shown, static_cast<uint64_t>(length)));
}
}

void DrawText(const char* s, int32_t length, int32_t x, int32_t y, int32_t boxed)
{
    DrawTextWith(Glyphs(FindRessource(specialNames.FontRes)), s, length, x, y, boxed);
}

int32_t SetTextSlot(const char* textName, int32_t x, int32_t y, uint32_t duration,
                    int32_t index, int32_t boxed)
{
    int32_t text = FindRessourceIndex(textName);
    if (index < 1 || index >= kTextSlotCount) {
        index = 0;
        for (int32_t i = 1; i < kTextSlotCount && index == 0; ++i) {
            if (textSlots[i].active == 0) {
                index = i;
            }
        }
        if (index == 0) {
            return 0;
        }
    }
    TextSlot& slot = textSlots[index];
    slot.active = 1;
    slot.x = x;
    slot.y = y;
    slot.duration = duration;
    slot.text = text;
    slot.start = 0;
    slot.box = boxed;
    slot.progressive = 0;
    return index;
}

void ClearTextSlot(int32_t index)
{
    if (index >= 1 && index < kTextSlotCount) {
        textSlots[index].active = 0;
        textSlots[index].box = 0;
    }
}

void SetTextReveal(int32_t index, uint32_t revealTime)
{
    if (index >= 1 && index < kTextSlotCount) {
        textSlots[index].progressive = 1;
        textSlots[index].revealTime = revealTime;
    }
}

void DrawTextSlots()
{
    // The font cannot change between two slots of one frame: look it up once.
    const Glyphs font(FindRessource(specialNames.FontRes));
    uint32_t now = GetTicks();
    for (int32_t i = 1; i < kTextSlotCount; ++i) {
        TextSlot& slot = textSlots[i];
        if (slot.active != 1) {
            continue;
        }
        if (slot.start == 0) {
            slot.start = now;
        } else if (now - slot.start > slot.duration) {
            ClearTextSlot(i);  // drawn this frame for the last time
        }
        const Ressource& r = World.ressources[slot.text];
        int32_t length = r.GetTextLength();
        if (slot.progressive) {
            length = RevealedLength(slot, now - slot.start, length);
        }
        DrawTextWith(font, r.GetText(), length, slot.x, slot.y, slot.box);
    }
}

int Objet::SayText(const char* textName, uint32_t duration, int32_t boxed)
{
    nTextSlot = SetTextSlot(textName, ptCurrent.x + ptText.x, ptCurrent.y + ptText.y, duration,
                            nTextSlot, boxed);
    return nTextSlot;
}
