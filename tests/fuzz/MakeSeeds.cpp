// Writes the seed corpus of every fuzz target: the files the game is installed with, files
// our own tools write with values at the edges of what the game meets, and hostile skin
// packages made with our RAR writer.
//
//   vyx_fuzz_seeds <data folder> <seeds folder>
//
// The data folder holds the files the game ships (data/ at the top of the sources); every
// target gets a folder of its own name below the seeds folder.
#include <QBuffer>
#include <QImage>
#include <cstdio>
#include <filesystem>
#include <string>

#include "FuzzSkin.h"
#include "Seeds.h"
#include "platform/FileSystem.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <data folder> <seeds folder>\n", argv[0]);
        return 2;
    }
    const fs::path shipped = argv[1];
    const fs::path seeds = argv[2];
    const std::optional<std::string> settings = ReadWholeFile(shipped / "VyxLines.cfg");
    const std::optional<std::string> leaders = ReadWholeFile(shipped / "leaders.dat");
    if (!settings || !leaders) {
        std::fprintf(stderr, "the shipped settings and leaders table are missing in %s\n",
                     shipped.string().c_str());
        return 1;
    }
    const fs::path skin = seeds / "skin";
    WriteFuzzSkin(skin);
    const bool written =
        WriteSeeds(seeds / "settings", SettingsSeeds(*settings)) &&
        WriteSeeds(seeds / "savedgame", SavedGameSeeds()) &&
        WriteSeeds(seeds / "skincfg", SkinConfigSeeds(shipped / "Gfx" / "Skins")) &&
        WriteSeeds(seeds / "leaders", LeadersSeeds(*leaders)) &&
        WriteSeeds(seeds / "pictures", PictureSeeds(skin)) &&
        WriteSeeds(seeds / "package", PackageSeeds(skin));
    fs::remove_all(skin);
    return written ? 0 : 1;
}
