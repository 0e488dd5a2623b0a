#pragma once

#include <array>

#include "rules/GameHooks.h"

// The rules' side of the game for timing runs: channels are remembered, everything else is
// left undone.
class TQuietHooks : public TGameHooks {
public:
    void SetChannelEnabled(TChannel channel, bool enabled) override {
        Enabled[static_cast<int>(channel)] = enabled;
    }
    bool IsChannelEnabled(TChannel channel) const override {
        return Enabled[static_cast<int>(channel)];
    }
    void DrawCells() override {}
    void DrawScore() override {}
    void DrawPreview() override {}
    void DrawClock() override {}
    void PlaySound(TSound /*sound*/) override {}
    void Autosave() override {}
    void GameOver() override {}
    void ShowCaption(std::string_view /*caption*/) override {}

    std::array<bool, ChannelCount> Enabled{};
};
