#include "GameClock.h"

#include <algorithm>

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

void TGameClock::ClockTick() {
    if (Game.GameMode == ModeClassic) {
        if (++Game.Seconds > 59) {
            ++Game.Minutes;
            Game.Seconds = 0;
        }
        if (Game.Minutes > 99) {
            Game.Minutes = 0;
            Game.Seconds = 0;
        }
    } else if (Game.GameMode == ModeTimeTrial) {
        if (--Game.Seconds < 0) {
            --Game.Minutes;
            Game.Seconds = 59;
        }
        // A level ends on 00:00; a clock loaded at 00:00 or below ends it at its next tick
        // instead of counting on into negative minutes.
        if (Game.Minutes < 0 || (Game.Minutes == 0 && Game.Seconds == 0)) {
            EndLevel();
        }
    }
    Game.TimeText.Assign(TimeTextFor(Game.Minutes, Game.Seconds));
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
    Game.LevelTarget = target + TargetStep;
    Host.UpdateCaption();
    Turns.RestartBoard();
}
