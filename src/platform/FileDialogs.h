#pragma once

#include <optional>
#include <string>
#include <string_view>

// The open and save dialogs of saved games. Both start in the given folder (a game path
// such as "Saves\"), show the one filter "Vyx Zeziz saves (*.lsv)", add the extension
// "lsv" when the player types none, never ask before overwriting, and answer the chosen
// file's path, or nothing when the player cancels.
class TFileDialogs {
public:
    virtual ~TFileDialogs() = default;
    virtual std::optional<std::string> AskOpen(std::string_view title, std::string_view folder) = 0;
    virtual std::optional<std::string> AskSave(std::string_view title, std::string_view folder) = 0;
};
