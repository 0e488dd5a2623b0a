#pragma once

#include "platform/Desktop.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/SoundPlayer.h"
#include "platform/TickSource.h"

// The desktop services the game runs on; tests hand in fakes.
struct TPlatform {
    TTickSource& Ticks;
    TMessageBoxes& Messages;
    TFileDialogs& FileDialogs;
    TDesktop& Desktop;
    TSoundPlayer& Sound;
};
