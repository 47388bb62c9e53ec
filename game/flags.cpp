#include "game/flags.h"

GameFlags gameFlags;
