#pragma once

#include <string_view>

// Where the game points its players: Vyx Games' home page (Help menu, About dialog), the
// page with more skins to download (Options dialog) and the address for mail (About
// dialog). The one place these addresses are kept.
inline constexpr std::string_view MakerHomePage = "https://www.vyxgames.example";
inline constexpr std::string_view MakerDownloadsPage = "https://www.vyxgames.example/skins";
inline constexpr std::string_view MakerEmail = "support@vyxgames.example";
