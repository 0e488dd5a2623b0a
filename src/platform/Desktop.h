#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

// What the desktop answered when asked to open the help: whether anything could open it,
// and the folder that holds the help pages.
struct THelpAnswer {
    bool Opened = false;
    std::filesystem::path PagesFolder;
};

// Hands files and addresses to the desktop's default handlers. A page that cannot be opened
// is not reported; the help answers, since the player would otherwise see nothing happen.
class TDesktop {
public:
    using THelpAnswered = std::function<void(const THelpAnswer&)>;

    virtual ~TDesktop() = default;
    virtual void OpenUrl(std::string_view url) = 0;
    // Opens the help file (a game path such as "VyxLinesHelp.chm") at a topic page (empty
    // for the first page). The desktop's answer comes at once or later, when the program
    // that opens the help has been found, or has even ended; none comes while the game
    // closes.
    virtual void OpenHelp(std::string_view helpFile, std::string_view topic,
                          THelpAnswered answered) = 0;
};
