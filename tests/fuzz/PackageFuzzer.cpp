// A skin package of any bytes, picked in the Options dialog: the cache is cleared, the
// package unpacked into it, and the settings applied as the dialog's closing does, which
// falls back to the default package when the skin cannot be used. After the unpacking and
// again after the settings: nothing outside the cache has changed, the cache holds only
// plain files and folders, and no file or the whole passes the size limits.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "Check.h"
#include "FuzzFolder.h"
#include "FuzzGame.h"
#include "platform/FileSystem.h"
#include "platform/RarArchive.h"
#include "presentation/SkinLoader.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view FuzzedPackageName = "Fuzzed.lsk";

// What a path outside the cache is: its kind, and a file's bytes or a link's target.
struct TOutsideEntry {
    fs::file_type Type = fs::file_type::none;
    std::string Content;
    bool operator==(const TOutsideEntry&) const = default;
};
using TOutside = std::map<std::string, TOutsideEntry>;

// Everything in the sandbox around the game folder and in the game folder, but the cache.
TOutside Outside(const fs::path& sandbox, const fs::path& cache) {
    TOutside outside;
    for (auto entry = fs::recursive_directory_iterator(sandbox);
         entry != fs::recursive_directory_iterator(); ++entry) {
        if (entry->path() == cache) {
            entry.disable_recursion_pending();
            continue;
        }
        TOutsideEntry& seen = outside[entry->path().string()];
        seen.Type = entry->symlink_status().type();
        if (seen.Type == fs::file_type::regular) {
            seen.Content = ReadWholeFile(entry->path()).value_or("<unreadable>");
        } else if (seen.Type == fs::file_type::symlink) {
            seen.Content = fs::read_symlink(entry->path()).string();
        }
    }
    return outside;
}

// Names what changed, for the report of a finding.
void RequireUnchanged(const TOutside& before, const TOutside& after, const char* what) {
    if (after == before) {
        return;
    }
    for (const auto& [path, entry] : after) {
        const auto old = before.find(path);
        if (old == before.end() || !(old->second == entry)) {
            std::fprintf(stderr, "changed or new: %s\n", path.c_str());
        }
    }
    for (const auto& [path, entry] : before) {
        if (after.find(path) == after.end()) {
            std::fprintf(stderr, "gone: %s\n", path.c_str());
        }
    }
    FuzzFailure(what);
}

void CheckCache(const fs::path& cache) {
    int64_t total = 0;
    for (auto entry = fs::recursive_directory_iterator(cache);
         entry != fs::recursive_directory_iterator(); ++entry) {
        const fs::file_type type = entry->symlink_status().type();
        Require(type == fs::file_type::regular || type == fs::file_type::directory,
                "the skin cache must hold only plain files and folders");
        if (type == fs::file_type::regular) {
            const auto size = static_cast<int64_t>(entry->file_size());
            Require(size <= TRarArchive::MaxEntrySize, "no unpacked file may pass the entry limit");
            total += size;
        }
    }
    Require(total <= TRarArchive::MaxPackageSize,
            "the unpacked skin may not pass the package limit");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    TFuzzFolder& folder = FreshFuzzFolder();
    folder.Write(std::string(TLoader::SkinsFolder) + std::string(FuzzedPackageName),
                 {reinterpret_cast<const char*>(data), size});
    const fs::path cache = folder.Game() / "Gfx" / "Cache";
    const TOutside before = Outside(folder.Sandbox(), cache);

    TFuzzGame game(folder.Game());
    Require(game.StartUp(), "the installed settings and skin must load");
    game.Loader.ClearSkinCache();
    game.Loader.ExtractSkinPackage(game.Loader.PackagePath(FuzzedPackageName));
    CheckCache(cache);
    RequireUnchanged(before, Outside(folder.Sandbox(), cache),
                     "unpacking may change only the cache");

    Require(game.ApplySettings(), "a package that cannot be used must give way to the default");
    CheckCache(cache);
    Require(Outside(folder.Sandbox(), cache) == before,
            "applying a skin may change only the cache");
    game.BeginFirstGame();
    game.PlayTurn();
    return 0;
}
