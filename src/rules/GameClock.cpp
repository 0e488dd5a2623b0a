#include "GameClock.h"

#include <algorithm>
#include <limits>

namespace {

void AppendTwoDigits(TTimeText& text, int32_t value) {
    if (value <= 9) {
        text.Append("0");
    }
    text.AppendNumber(value);
}

}  // namespace

TTimeText TimeTextFor(int32_t minutes, int32_t seconds) {
    TTimeText text;
    AppendTwoDigits(text, minutes);
    AppendTwoDigits(text, seconds);
    return text;
}

int32_t EffectiveLevelTarget(const TGame& game) {
    return std::max(game.LevelTarget, TGameClock::FirstTarget);
}

TCaptionText CaptionFor(const TGame& game) {
    TCaptionText caption;
    if (game.GameMode == ModeClassic) {
        caption.Append("Vyx Zeziz - Classic");
    } else if (game.GameMode == ModeTimeTrial) {
        caption.Append("Vyx Zeziz - Time-trial [Level ");
        caption.AppendNumber(
            (EffectiveLevelTarget(game) - TGameClock::FirstTarget) / TGameClock::TargetStep + 1);
        caption.Append("]");
    }
    return caption;
}

// A saved game may hold any 32-bit clock and level target. Each step is taken in 64 bits,
// and what is stored back always fits 32 bits, so the clock goes on from any loaded value.
TOutcome TGameClock::ClockTick() {
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
            const TOutcome outcome = EndLevel();
            if (!outcome.GameOver) {
                ShowTime();
            }
            return outcome;
        }
        SetClock(minutes, seconds);
    }
    ShowTime();
    return {};
}

void TGameClock::StartNewGame() {
    if (Game.GameMode == ModeTimeTrial) {
        Game.Minutes = LevelMinutes;
        Game.Seconds = 0;
        Game.LevelTarget = FirstTarget;
    } else if (Game.GameMode == ModeClassic) {
        Game.Minutes = 0;
        Game.Seconds = 0;
    }
    ShowTime();
}

void TGameClock::ShowTime() {
    Game.TimeText = TimeTextFor(Game.Minutes, Game.Seconds);
}

TOutcome TGameClock::UpdateCaption() const {
    TOutcome outcome;
    outcome.CaptionChanged = !CaptionFor(Game).Empty();
    return outcome;
}

bool TGameClock::FillEmptyTimeText() {
    if (!Game.TimeText.Empty()) {
        return false;
    }
    if (Game.GameMode == ModeClassic) {
        Game.TimeText = TimeTextFor(0, 0);
    } else if (Game.GameMode == ModeTimeTrial) {
        Game.TimeText = TimeTextFor(LevelMinutes, 0);
    }
    return true;
}

void TGameClock::SetClock(int64_t minutes, int64_t seconds) {
    Game.Minutes = static_cast<int32_t>(minutes);
    Game.Seconds = static_cast<int32_t>(seconds);
}

TOutcome TGameClock::EndLevel() {
    const int32_t target = EffectiveLevelTarget(Game);
    if (Game.Score < static_cast<uint32_t>(target)) {
        Game.GameOver = true;
        TOutcome outcome;
        outcome.GameOver = true;
        return outcome;
    }
    Game.Minutes = LevelMinutes;
    Game.Seconds = 0;
    Game.Score -= static_cast<uint32_t>(target);
    // Past the largest 32-bit target the levels go on at that target.
    Game.LevelTarget = static_cast<int32_t>(
        std::min<int64_t>(int64_t{target} + TargetStep, std::numeric_limits<int32_t>::max()));
    TOutcome outcome = UpdateCaption();
    outcome += Turns.RestartBoard();
    return outcome;
}
