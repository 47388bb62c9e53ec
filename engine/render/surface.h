// Opaque handle to a front end's drawing surface (an SDL surface, a DirectDraw
// surface). The portable core passes it around but never looks into it.
#pragma once

using SurfaceHandle = void*;
