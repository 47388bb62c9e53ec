// SDL 1.2 CD audio: the default drive, opened once, plays one track at a time.
#include <SDL.h>

#include <cstdio>

#include "engine/sound/sound.h"

namespace {
SDL_CD* cdrom = nullptr;  // null when the drive could not be opened or is closed
}

int OpenCD()
{
    cdrom = SDL_CDOpen(0);
    if (cdrom == nullptr) {
        std::fprintf(stderr, "Couldn't open default CD-ROM drive: %s\n", SDL_GetError());
    }
    return 0;
}

void PlayCDTrack(int track)
{
    // A positive status: a disc is in and the drive is stopped, playing or paused.
    if (cdrom == nullptr || SDL_CDStatus(cdrom) <= 0) {
        return;
    }
    // One whole track. For the disc's last track "from here to the end of the
    // disc" is the same span, and the only form some SDL 1.2 versions accept.
    int count = (track == cdrom->numtracks - 1) ? 0 : 1;
    SDL_CDPlayTracks(cdrom, track, 0, count, 0);
}

void StopCD()
{
    if (cdrom != nullptr) {
        SDL_CDStop(cdrom);
    }
}

void CloseCD()
{
    if (cdrom != nullptr) {
        SDL_CDClose(cdrom);
        cdrom = nullptr;
    }
}
