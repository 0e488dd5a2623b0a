#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The game folder a fuzzing process plays in: a fresh temporary folder laid out like the
// game's own (settings, leaders tables, an autosave, the skin in its cache and packed as the
// default package), made the current directory as the game makes its folder. It lies a few
// folders deep inside a sandbox of its own, with a file at every level, so that whatever
// climbs out of the game folder still lands where a check sees it. Removed at exit.
class TFuzzFolder {
public:
    explicit TFuzzFolder(std::string_view target);
    ~TFuzzFolder();
    TFuzzFolder(const TFuzzFolder&) = delete;
    TFuzzFolder& operator=(const TFuzzFolder&) = delete;

    // Puts every file back as it was made, and nothing else: each input starts from the
    // same folder, whatever the one before it left.
    void Reset();
    // Writes a file by its game path ("Saves\Fuzzed.lsv").
    void Write(std::string_view gamePath, std::string_view bytes) const;

    const std::filesystem::path& Sandbox() const { return SandboxRoot; }
    const std::filesystem::path& Game() const { return GameRoot; }

private:
    // A file as it was last put back: a file whose status still matches has not been
    // touched since, and is not written again.
    struct TFile {
        std::filesystem::path Path;
        std::string Bytes;
        struct stat Status {};
    };

    void Remember(const std::string& gamePath, std::string bytes);
    void RemoveStrangers() const;

    std::filesystem::path Previous;
    std::filesystem::path SandboxRoot;
    std::filesystem::path GameRoot;
    std::vector<TFile> Files;
};

// The folder of this fuzzing process, made when libFuzzer starts the target (named after
// the program) and put back as it was made for each input.
TFuzzFolder& FreshFuzzFolder();
