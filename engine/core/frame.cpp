#include "engine/core/frame.h"

#include "engine/render/screen.h"

void ComposeFrame()
{
    Fill(0, 0, kScreenWidth, kScreenHeight, 255);
}
