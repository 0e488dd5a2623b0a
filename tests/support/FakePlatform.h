#pragma once

#include <QCoreApplication>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/Desktop.h"
#include "platform/SoundPlayer.h"
#include "platform/TickSource.h"
#include "support/RecordingMessageBoxes.h"

// A clock the test moves: sleeping advances it, nothing waits. A test may make a window
// event arrive some milliseconds into the pauses to come: it is sent then and handled at
// once, as the window system's events are. A pause without end and without such an event
// would never end.
class TManualTicks : public TTickSource {
public:
    uint32_t Ticks() override { return Now; }
    void Sleep(uint32_t milliseconds) override { Now += milliseconds; }
    bool WaitForEvent(uint32_t milliseconds) override {
        if (EventIn < milliseconds) {
            Now += std::exchange(EventIn, Forever);
            std::exchange(Event, nullptr)();
            QCoreApplication::processEvents();
            return true;
        }
        if (milliseconds == Forever) {
            throw std::logic_error("the loop waits for an event that never comes");
        }
        EventIn -= EventIn == Forever ? 0 : milliseconds;
        Now += milliseconds;
        return false;
    }
    // Sends the event in `milliseconds` of pauses.
    void SendIn(uint32_t milliseconds, std::function<void()> event) {
        EventIn = milliseconds;
        Event = std::move(event);
    }

    uint32_t Now = 1000;
    uint32_t EventIn = Forever;
    std::function<void()> Event;
};

class TRecordingSound : public TSoundPlayer {
public:
    void Play(std::string_view gamePath) override { Played.emplace_back(gamePath); }
    std::vector<std::string> Played;
};

// Records what it is asked to open. Given a help folder, it answers every help it is asked
// for as a desktop with no program for it does; else as one that opened it.
class TRecordingDesktop : public TDesktop {
public:
    void OpenUrl(std::string_view url) override { Urls.emplace_back(url); }
    void OpenHelp(std::string_view helpFile, std::string_view topic,
                  THelpAnswered answered) override {
        Help.push_back(std::string(helpFile) + "::" + std::string(topic));
        answered({!UnopenedHelpIn, UnopenedHelpIn.value_or("Help")});
    }
    std::vector<std::string> Urls;
    std::vector<std::string> Help;
    std::optional<std::filesystem::path> UnopenedHelpIn;
};
