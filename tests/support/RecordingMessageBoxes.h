#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"

// Records every message box the game shows and answers with the answers a test scripted
// (Ok, or Yes when none is scripted for a Yes/No question).
class TRecordingMessageBoxes : public TMessageBoxes {
public:
    struct TShown {
        std::string Text;
        std::string Caption;
        TMessageIcon Icon;
        TMessageButtons Buttons;
    };

    TMessageAnswer Show(std::string_view text, std::string_view caption, TMessageIcon icon,
                        TMessageButtons buttons) override {
        Shown.push_back({std::string(text), std::string(caption), icon, buttons});
        if (WhenShown) {
            WhenShown();
        }
        if (buttons == TMessageButtons::Ok) {
            return TMessageAnswer::Ok;
        }
        if (Answers.empty()) {
            return TMessageAnswer::Yes;
        }
        const TMessageAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }

    std::vector<TShown> Shown;
    std::deque<TMessageAnswer> Answers;
    // Looks at the game while a message is open, as the player then sees it.
    std::function<void()> WhenShown;
};
