#pragma once

#include <QImage>

// The Game-over dialog's picture: the words GAME OVER in large dark slanted capitals on a
// light grey speckled ground, 200 x 100.
QImage DrawGameOver();

// The game's logo for the About dialog: nine coloured glossy balls on a 3 x 3 board,
// 81 x 82.
QImage DrawLogo();
