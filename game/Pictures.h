#pragma once

#include <span>

// The game's two JPEG pictures, data/Pictures/GameOver.jpg and Logo.jpg, compiled into the
// program: the Game-over dialog's "GAME OVER" (200 x 100) and the About dialog's logo.
std::span<const unsigned char> GameOverPicture();
std::span<const unsigned char> LogoPicture();
