#pragma once

#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "platform/SoundPlayer.h"
#include "platform/TickSource.h"
#include "support/RecordingMessageBoxes.h"

// A clock the test moves: sleeping advances it, nothing waits.
class TManualTicks : public TTickSource {
public:
    uint32_t Ticks() override { return Now; }
    void Sleep(uint32_t milliseconds) override { Now += milliseconds; }
    uint32_t Now = 1000;
};

class TRecordingSound : public TSoundPlayer {
public:
    void Play(std::string_view gamePath) override { Played.emplace_back(gamePath); }
    std::vector<std::string> Played;
};

class TRecordingDesktop : public TDesktop {
public:
    void OpenUrl(std::string_view url) override { Urls.emplace_back(url); }
    void OpenHelp(std::string_view helpFile, std::string_view topic) override {
        Help.push_back(std::string(helpFile) + "::" + std::string(topic));
    }
    std::vector<std::string> Urls;
    std::vector<std::string> Help;
};
