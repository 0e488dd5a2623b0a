#pragma once

#include <filesystem>

#include "Desktop.h"

// Opens addresses and the help through the desktop's default handlers (xdg-open). The help
// opens as the CHM file when the desktop has a viewer for it, else as the same pages in
// the browser from the folder "Help" beside it; both lie in the folder the game is
// installed in.
class TQtDesktop final : public TDesktop {
public:
    explicit TQtDesktop(std::filesystem::path shippedFolder = {})
        : ShippedFolder(std::move(shippedFolder)) {}

    void OpenUrl(std::string_view url) override;
    void OpenHelp(std::string_view helpFile, std::string_view topic) override;

private:
    std::filesystem::path ShippedFolder;
};
