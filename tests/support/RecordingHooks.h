#pragma once

#include <array>
#include <functional>
#include <vector>

#include "rules/TurnHooks.h"

// Stands in for the main loop: keeps the channel switches and frame counters the engine
// sets and records everything else it asks for.
class TRecordingHooks : public TTurnHooks {
public:
    void SetChannelEnabled(TChannel channel, bool enabled) override {
        Enabled[static_cast<int>(channel)] = enabled;
    }
    bool IsChannelEnabled(TChannel channel) const override {
        return Enabled[static_cast<int>(channel)];
    }
    void SetAppearFrame(int16_t frame) override { AppearFrame = frame; }
    void SetDeleteFrame(int16_t frame) override { DeleteFrame = frame; }
    void RedrawBoard() override {
        ++Redraws;
        if (OnRedraw) {
            OnRedraw();
        }
    }
    void PlaySound(TSound sound) override { Sounds.push_back(sound); }
    void Autosave() override { ++Autosaves; }
    void GameOver() override {
        ++GameOvers;
        if (OnGameOver) {
            OnGameOver();
        }
    }

    std::array<bool, ChannelCount> Enabled{};
    int16_t AppearFrame = -1;
    int16_t DeleteFrame = -1;
    int Redraws = 0;
    std::vector<TSound> Sounds;
    int Autosaves = 0;
    int GameOvers = 0;
    std::function<void()> OnGameOver;
    std::function<void()> OnRedraw;
};
