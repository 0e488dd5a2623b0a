#pragma once

#include "platform/Desktop.h"
#include "platform/FileDialogs.h"
#include "platform/GameFolders.h"
#include "platform/MessageBoxes.h"
#include "platform/SoundPlayer.h"
#include "platform/TickSource.h"

// The desktop services the game runs on and the folders it finds its files in; tests hand
// in fakes and a portable folder.
struct TPlatform {
    TTickSource& Ticks;
    TMessageBoxes& Messages;
    TFileDialogs& FileDialogs;
    TDesktop& Desktop;
    TSoundPlayer& Sound;
    const TGameFolders& Folders;
};
