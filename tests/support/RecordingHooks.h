#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "rules/GameHooks.h"

// The parts of the pictures the rules ask for.
enum class TDrawing : uint8_t { Cells, Score, Preview, Clock };

// Stands in for the rest of the game: keeps the channel switches the rules set and records
// everything else they ask for.
class TRecordingHooks : public TGameHooks {
public:
    void SetChannelEnabled(TChannel channel, bool enabled) override {
        Enabled[static_cast<int>(channel)] = enabled;
    }
    bool IsChannelEnabled(TChannel channel) const override {
        return Enabled[static_cast<int>(channel)];
    }
    void DrawCells() override { Draw(TDrawing::Cells); }
    void DrawScore() override { Draw(TDrawing::Score); }
    void DrawPreview() override { Draw(TDrawing::Preview); }
    void DrawClock() override { Draw(TDrawing::Clock); }
    void PlaySound(TSound sound) override { Sounds.push_back(sound); }
    void Autosave() override { ++Autosaves; }
    void GameOver() override {
        ++GameOvers;
        if (OnGameOver) {
            OnGameOver();
        }
    }
    void ShowCaption(std::string_view caption) override { Caption = caption; }

    std::array<bool, ChannelCount> Enabled{};
    std::vector<TDrawing> Drawings;
    std::vector<TSound> Sounds;
    int Autosaves = 0;
    int GameOvers = 0;
    std::string Caption;
    std::function<void()> OnGameOver;
    // Runs as each part is drawn, so a test can see the state that part shows.
    std::function<void(TDrawing)> OnDraw;

private:
    void Draw(TDrawing part) {
        Drawings.push_back(part);
        if (OnDraw) {
            OnDraw(part);
        }
    }
};
