#include <cstdio>
#include <filesystem>
#include <system_error>

#include "Sounds.h"
#include "Wav.h"
#include "platform/FileSystem.h"

// Writes the game's twelve sound effects into the folder named on the command line.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <Sfx folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const TSoundEffect& effect : MakeSoundEffects()) {
        const std::string wav = EncodeWav16(Synth::ToPcm16(effect.Samples), Synth::SampleRate, 1);
        if (!WriteFileAtomically(folder / effect.FileName, wav)) {
            std::fprintf(stderr, "cannot write %s\n", (folder / effect.FileName).c_str());
            return 1;
        }
    }
    return 0;
}
