// The settings file as a hand-editor may leave it, read at start-up and followed through:
// the skin, sound names and animation intervals it sets, the first game, a few turns with
// their sounds, and the file written again at the end and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Check.h"
#include "FuzzFolder.h"
#include "FuzzGame.h"
#include "persistence/SettingsFile.h"

namespace {

bool SameSettings(const TGame& a, const TGame& b) {
    return a.GameMode == b.GameMode && a.Difficulty == b.Difficulty && a.Autosave == b.Autosave &&
           a.Autoload == b.Autoload && a.NextBallsShown == b.NextBallsShown &&
           a.Speeds.Appearance == b.Speeds.Appearance && a.Speeds.Choosing == b.Speeds.Choosing &&
           a.Speeds.Moving == b.Speeds.Moving && a.Speeds.Deleting == b.Speeds.Deleting &&
           a.SoundChoices == b.SoundChoices && a.SoundsOn == b.SoundsOn;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    TFuzzFolder& folder = FreshFuzzFolder();
    folder.Write(SettingsFileName, {reinterpret_cast<const char*>(data), size});

    TFuzzGame game(folder.Game());
    Require(game.StartUp(), "the installed skin must load whatever the settings say");
    game.BeginFirstGame();
    for (int turn = 0; turn < 2; ++turn) {
        game.PlayTurn();
    }
    Require(game.Settle(), "the animations of a turn must end");

    // Closing the window writes the settings; the next start must read them as they were.
    WriteSettingsFile(game.Game, game.Messages);
    TGame reread;
    Require(ReadSettingsFile(reread, game.Messages), "the written settings file must open");
    Require(SameSettings(reread, game.Game), "the written settings must read back unchanged");
    return 0;
}
