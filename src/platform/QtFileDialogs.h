#pragma once

#include "FileDialogs.h"
#include "QtDialogParent.h"

// The open and save dialogs of saved games on Qt, over the main window, wide enough to show
// every column whole.
class TQtFileDialogs final : public TFileDialogs {
public:
    explicit TQtFileDialogs(const TQtDialogParent& parent) : Parent(parent) {}

    std::optional<std::string> AskOpen(std::string_view title, std::string_view folder) override;
    std::optional<std::string> AskSave(std::string_view title, std::string_view folder) override;

private:
    const TQtDialogParent& Parent;
};
