#include "BallMotion.h"

#include <array>

namespace {

// A hop is a parabola in five steps from the floor (step 0) to its top (step 5).
double HopHeight(int step) {
    const double fromTop = (5.0 - step) / 5.0;
    return 1.0 - fromTop * fromTop;
}

struct TShape {
    double X;
    double Y;
};

// On the floor the ball squashes; the first step up stretches it along its flight.
constexpr std::array<TShape, 6> HighHopShapes{
    {{1.16, 0.86}, {0.90, 1.12}, {0.95, 1.06}, {0.98, 1.02}, {1.0, 1.0}, {1.0, 1.0}}};
constexpr std::array<TShape, 6> LowHopShapes{
    {{1.10, 0.91}, {0.93, 1.08}, {0.97, 1.03}, {1.0, 1.0}, {1.0, 1.0}, {1.0, 1.0}}};
constexpr double LowHop = 0.45;

}  // namespace

TBallPose BouncePose(int column) {
    const bool high = column < 6;
    const int step = high ? column : column - 6;
    const TShape shape = high ? HighHopShapes[step] : LowHopShapes[step];
    TBallPose pose;
    pose.Lift = HopHeight(step) * (high ? 1.0 : LowHop);
    pose.ScaleX = shape.X;
    pose.ScaleY = shape.Y;
    return pose;
}

TBallPose AppearPose(int column) {
    struct TStep {
        double Grow;
        double X;
        double Y;
        double Flash;
    };
    // A spark that swells into the ball, overshoots and wobbles once like jelly.
    constexpr std::array<TStep, StripColumns> steps{{{0.12, 1.0, 1.0, 0.65},
                                                     {0.26, 1.0, 1.0, 0.40},
                                                     {0.42, 1.0, 1.0, 0.18},
                                                     {0.60, 1.0, 1.0, 0.05},
                                                     {0.78, 1.0, 1.0, 0.0},
                                                     {0.93, 1.0, 1.0, 0.0},
                                                     {1.05, 1.05, 0.97, 0.0},
                                                     {1.09, 1.03, 1.06, 0.0},
                                                     {1.07, 1.06, 1.00, 0.0},
                                                     {1.03, 1.01, 1.04, 0.0},
                                                     {1.01, 1.01, 0.99, 0.0},
                                                     {1.0, 1.0, 1.0, 0.0},
                                                     {1.0, 1.0, 1.0, 0.0}}};
    const TStep& step = steps[column];
    TBallPose pose;
    pose.Grow = step.Grow;
    pose.ScaleX = step.X;
    pose.ScaleY = step.Y;
    pose.Flash = step.Flash;
    return pose;
}

TFramePose VanishPose(int column) {
    constexpr int burstColumn = 3;
    constexpr int lastColumn = 11;
    TFramePose frame;
    if (column < burstColumn) {
        constexpr std::array<double, burstColumn> grow{1.06, 1.12, 1.17};
        constexpr std::array<double, burstColumn> flash{0.12, 0.35, 0.72};
        TBallPose pose;
        pose.Grow = grow[column];
        pose.Flash = flash[column];
        frame.Ball = pose;
    } else if (column <= lastColumn) {
        // The last shown column keeps a few faint sparks; the empty cell follows it.
        frame.Burst = (column - burstColumn) / (lastColumn - burstColumn + 0.6);
    }
    return frame;
}
