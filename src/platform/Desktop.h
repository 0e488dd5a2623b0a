#pragma once

#include <string_view>

// Hands files and addresses to the desktop's default handlers. Failures are not reported:
// the game shows nothing when a page or the help cannot be opened.
class TDesktop {
public:
    virtual ~TDesktop() = default;
    virtual void OpenUrl(std::string_view url) = 0;
    // Opens the help file (a game path such as "VyxLinesHelp.chm") at a topic page (empty
    // for the first page).
    virtual void OpenHelp(std::string_view helpFile, std::string_view topic) = 0;
};
