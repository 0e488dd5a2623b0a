#pragma once

#include "FileDialogs.h"

// The open and save dialogs of saved games on Qt, parented to the application's active
// window.
class TQtFileDialogs final : public TFileDialogs {
public:
    std::optional<std::string> AskOpen(std::string_view title, std::string_view folder) override;
    std::optional<std::string> AskSave(std::string_view title, std::string_view folder) override;
};
