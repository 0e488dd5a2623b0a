#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The game names its files relative to its own folder, with "\" between folder and file
// names ("Gfx\Cache\skin.cfg"). Start-up makes the game folder the current directory, so a
// game path turned into a native relative path names the right file.
std::filesystem::path NativePath(std::string_view gamePath);

// The folder that holds the running executable.
std::filesystem::path ProgramFolder();

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// What a rewritten file must survive. The player's files (settings, saves, leaders) must
// survive a power loss; the unpacked skin in the cache is made again from its package
// whenever it is damaged, and flushing every picture would only slow a skin change.
enum class TWriteDurability : uint8_t { SurvivesPowerLoss, SurvivesCrash };

// How a write ended: done, or the system's error number that stopped it.
class TWriteResult {
public:
    TWriteResult() = default;
    // An error number of 0 (a failure the system gave no number for) counts as EIO.
    static TWriteResult Failed(int error);

    explicit operator bool() const { return Error == 0; }
    // The system's own words for why the write failed ("No space left on device"), in
    // English as the game's texts are; empty when it was done.
    std::string Reason() const;

private:
    int Error = 0;
};

// What failed, the file or folder it failed on and the system's reason, each on a line of
// its own: "Can not save game to\n<file>:\n<reason>.", the words every failed write is told in.
std::string WriteFailureText(std::string_view failed, const std::filesystem::path& place,
                             const TWriteResult& failure);

// Writes the bytes to a temporary file beside the target and renames it over the target, so
// that a crash never leaves a half-written file where a good one was. A write that must
// survive a power loss also reaches the disk before the rename, and the folder after it.
// When anything failed the old file is untouched, the temporary gone, and the result says
// why.
TWriteResult WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                                 TWriteDurability durability = TWriteDurability::SurvivesPowerLoss);

// Removes the temporaries that WriteFileAtomically left in the folder when a crash cut a
// write short: files named after a target matching the pattern, followed by ".tmp" and the
// id of a process that no longer runs. A process that still runs may still be writing, so
// its temporaries stay. Meant for start-up, before this process writes anything.
void RemoveStaleTemporaries(const std::filesystem::path& folder, std::string_view pattern);

// Names of the regular files in the folder whose names match the pattern ("*.lsk",
// "*.bmp", "*.*"; "*" and "?" wildcards, letters matched case-insensitively), sorted.
std::vector<std::string> ListFiles(const std::filesystem::path& folder, std::string_view pattern);

bool MatchesPattern(std::string_view name, std::string_view pattern);

// Equal but for the case of the letters A to Z.
bool SameIgnoringCase(std::string_view a, std::string_view b);

// The name of the regular file in the folder that is called `name`, in these letters or
// else in any case ("SKIN.CFG" for "skin.cfg"); nothing when there is none.
std::optional<std::string> FindFileIgnoringCase(const std::filesystem::path& folder,
                                                std::string_view name);
