// The game's spine: command line, start-up order, the frame step and the
// frame clock. The entry point, InitSDL and PollEvents belong to the front end.
#pragma once
#include <cstdint>

constexpr int kConfigFileNameSize = 255;  // 254 characters and a terminator

extern char ConfigFileName[kConfigFileNameSize];
extern int quitRequested;  // the main loop ends after the iteration that sets it
extern int pollMouse;      // -D: DoFrame reads the pointer itself every frame

struct FrameClock {
    uint32_t nLastFrameTick;   // end of the previous frame step; "now" for timed moves
    uint32_t nFirstFrameTick;  // first measured frame, 0 = not yet
    int32_t nFrameCount;
    int32_t nAvgFrameMs;       // average frame duration since the first frame
};
extern FrameClock frameClock;

// Video flags collected from the command line for the video mode.
constexpr uint32_t kVideoHwSurface = 0x00000001;
constexpr uint32_t kVideoHwPalette = 0x20000000;
constexpr uint32_t kVideoFullscreen = 0x80000000;

// First pass over the arguments (-D, -T, -E, -F, -C), last to first.
void ParseCommandLine(int argc, char** argv);
// Second pass (video options, -bpp with its value), last to first: the flags.
uint32_t ParseVideoOptions(int argc, char** argv);

// Loads the world and prepares the first frame. Returns 1.
int DoInit(const char* configFileName);
// One frame step: panel, walk, pointer, composition, clock, timing line, flip.
void DoFrame();

// Front end: starts the platform layer and the screen; 1, or ends the process
// with status 1.
int InitSDL(int argc, char** argv);
// Front end: dispatches all pending events, then returns.
void PollEvents();
// Front end: the pointer's position in screen pixels.
void ReadPointer(int32_t* x, int32_t* y);
