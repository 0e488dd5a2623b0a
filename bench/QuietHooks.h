#pragma once

#include <array>

#include "rules/TurnHooks.h"

// The turn cycle's side of the game for timing runs: channels are remembered, everything
// else is left undone.
class TQuietHooks : public TTurnHooks {
public:
    void SetChannelEnabled(TChannel channel, bool enabled) override {
        Enabled[static_cast<int>(channel)] = enabled;
    }
    bool IsChannelEnabled(TChannel channel) const override {
        return Enabled[static_cast<int>(channel)];
    }
    void SetAppearFrame(int16_t /*frame*/) override {}
    void SetDeleteFrame(int16_t /*frame*/) override {}
    void RedrawBoard() override {}
    void PlaySound(TSound /*sound*/) override {}
    void Autosave() override {}
    void GameOver() override {}

    std::array<bool, ChannelCount> Enabled{};
};
