#include "GameClock.h"

#include <algorithm>
#include <limits>

namespace {

std::string TwoDigits(int32_t value) {
    std::string text(value <= 9 ? "0" : "");
    text += std::to_string(value);
    return text;
}

}  // namespace

std::string TimeTextFor(int32_t minutes, int32_t seconds) {
    return TwoDigits(minutes) + TwoDigits(seconds);
}

int32_t EffectiveLevelTarget(const TGame& game) {
    return std::max(game.LevelTarget, TGameClock::FirstTarget);
}

std::optional<std::string> CaptionFor(const TGame& game) {
    if (game.GameMode == ModeClassic) {
        return "Vyx Zeziz - Classic";
    }
    if (game.GameMode == ModeTimeTrial) {
        const int32_t level =
            (EffectiveLevelTarget(game) - TGameClock::FirstTarget) / TGameClock::TargetStep + 1;
        return "Vyx Zeziz - Time-trial [Level " + std::to_string(level) + "]";
    }
    return std::nullopt;
}

// A saved game may hold any 32-bit clock and level target. Each step is taken in 64 bits,
// and what is stored back always fits 32 bits, so the clock goes on from any loaded value.
void TGameClock::ClockTick() {
    int64_t minutes = Game.Minutes;
    int64_t seconds = Game.Seconds;
    if (Game.GameMode == ModeClassic) {
        if (++seconds > 59) {
            ++minutes;
            seconds = 0;
        }
        if (minutes > 99) {
            minutes = 0;
            seconds = 0;
        }
        SetClock(minutes, seconds);
    } else if (Game.GameMode == ModeTimeTrial) {
        if (--seconds < 0) {
            --minutes;
            seconds = 59;
        }
        // A level ends on 00:00; a clock loaded at 00:00 or below ends it at its next tick
        // instead of counting on into negative minutes.
        if (minutes < 0 || (minutes == 0 && seconds == 0)) {
            SetClock(0, 0);
            EndLevel();
        } else {
            SetClock(minutes, seconds);
        }
    }
    Game.TimeText.Assign(TimeTextFor(Game.Minutes, Game.Seconds));
}

void TGameClock::SetClock(int64_t minutes, int64_t seconds) {
    Game.Minutes = static_cast<int32_t>(minutes);
    Game.Seconds = static_cast<int32_t>(seconds);
}

void TGameClock::EndLevel() {
    const int32_t target = EffectiveLevelTarget(Game);
    if (Game.Score < static_cast<uint32_t>(target)) {
        Host.GameOver();
        return;
    }
    Game.Minutes = LevelMinutes;
    Game.Seconds = 0;
    Game.Score -= static_cast<uint32_t>(target);
    // Past the largest 32-bit target the levels go on at that target.
    Game.LevelTarget = static_cast<int32_t>(
        std::min<int64_t>(int64_t{target} + TargetStep, std::numeric_limits<int32_t>::max()));
    Host.UpdateCaption();
    Turns.RestartBoard();
}
