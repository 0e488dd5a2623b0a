#pragma once

#include "Desktop.h"

// Opens addresses and the help through the desktop's default handlers (xdg-open). The help
// opens as the CHM file when the desktop has a viewer for it, else as the same pages in
// the browser from the folder "Help" beside it.
class TQtDesktop final : public TDesktop {
public:
    void OpenUrl(std::string_view url) override;
    void OpenHelp(std::string_view helpFile, std::string_view topic) override;
};
