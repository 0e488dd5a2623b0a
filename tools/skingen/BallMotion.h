#pragma once

#include <optional>

#include "skinformat/BallStrip.h"

// The pose of a ball in one frame of its cell. The game shows the cells of a strip in a fixed
// order (skinformat/BallStrip.h); these tables make that order read as one motion.
struct TBallPose {
    double Lift = 0;  // how far the ball's bottom is above the floor, as a share of the hop
    double ScaleX = 1;
    double ScaleY = 1;  // squash and stretch keep the ball standing on its lowest point
    double Grow = 1;    // uniform size about the resting centre (appearance, swelling)
    double Flash = 0;   // 0 to 1: the ball turns white
};

struct TFramePose {
    std::optional<TBallPose> Ball;
    std::optional<double> Burst;  // 0 when the ball bursts, towards 1 as the pieces fade
};

// The bounce row's columns 0 to 5 are a high hop, 6 to 11 a low one, each squashing on the
// floor.
TBallPose BouncePose(int column);

// A new ball pops up from a dot, overshoots a little and settles; column 12 is the ball at
// rest, shown just before a vanishing starts.
TBallPose AppearPose(int column);

// A removed ball swells, flashes and bursts into pieces; column 12 is never shown.
TFramePose VanishPose(int column);
