// File and program names that differ by platform, decided once here.
#pragma once

#ifdef _WIN32
constexpr const char* kTraceFileName = "\\vorlane.tra";  // root of the current drive
#else
constexpr const char* kTraceFileName = "vorlane.tra";    // the working directory
#endif

// The deliveries' base files: the game program and its two launch files (one
// windowed, one full screen), copied beside the configuration file.
// kDeliverySourceDir is the folder every copy comes from; null means: the
// program from the running program's folder, everything else from the working
// directory (the game folder the data is read from). kMusicFolder, when not
// null, is the game folder's folder of CD audio tracks, delivered as well.
#ifdef _WIN32
constexpr const char* kProgramFileName = "vorlane.exe";
constexpr const char* kLaunchWindowedName = "go_fenetre.bat";
constexpr const char* kLaunchFullscreenName = "go_fullscreen.bat";
constexpr const char* kDeliverySourceDir = "e:\\Vorlane\\";
constexpr const char* kMusicFolder = nullptr;  // music comes from the game CD
constexpr const char* kFolderSeparators = "\\";
#else
constexpr const char* kProgramFileName = "vorlane_sdl";
// Shell scripts that point SDL12COMPAT_FAKE_CDROM_PATH at the delivery's cd
// folder and start the game in a window or (with -D) full screen.
constexpr const char* kLaunchWindowedName = "go_fenetre.sh";
constexpr const char* kLaunchFullscreenName = "go_fullscreen.sh";
constexpr const char* kDeliverySourceDir = nullptr;
constexpr const char* kMusicFolder = "cd";  // trackNN.mp3 files standing in for the CD
// A slash separates folders too in paths given on the command line.
constexpr const char* kFolderSeparators = "\\/";
#endif
