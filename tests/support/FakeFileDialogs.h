#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileDialogs.h"

// Answers the file dialogs with a scripted path (or a cancel) and records what they were
// asked; it can also wander off to another current directory, as a real dialog may.
class TFakeFileDialogs : public TFileDialogs {
public:
    struct TAsked {
        std::string Kind;  // "open" or "save"
        std::string Title;
        std::string Folder;
    };

    std::optional<std::string> AskOpen(std::string_view title, std::string_view folder) override {
        return Ask("open", title, folder);
    }
    std::optional<std::string> AskSave(std::string_view title, std::string_view folder) override {
        return Ask("save", title, folder);
    }

    std::optional<std::string> Answer;
    std::optional<std::filesystem::path> WanderTo;
    std::vector<TAsked> Asked;

private:
    std::optional<std::string> Ask(const char* kind, std::string_view title,
                                   std::string_view folder) {
        Asked.push_back({kind, std::string(title), std::string(folder)});
        if (WanderTo) {
            std::filesystem::current_path(*WanderTo);
        }
        return Answer;
    }
};
