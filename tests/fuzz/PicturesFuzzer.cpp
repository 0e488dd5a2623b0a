// A skin picture of any bytes in the skin cache, loaded at start-up by the skin loader, cut
// by the layout and drawn while a game is played. The first byte picks which of the eleven
// pictures it replaces; the rest is the file. A picture that cannot be loaded must give way
// to the default package.
#include <cstddef>
#include <cstdint>
#include <string>

#include "Check.h"
#include "FuzzFolder.h"
#include "FuzzGame.h"
#include "FuzzSkin.h"
#include "presentation/SkinLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    TFuzzFolder& folder = FreshFuzzFolder();
    const std::string picture = FuzzSkinData().ImageFiles[data[0] % SkinImageCount];
    folder.Write(std::string(TLoader::CacheFolder) + picture,
                 {reinterpret_cast<const char*>(data + 1), size - 1});

    TFuzzGame game(folder.Game());
    Require(game.StartUp(), "a picture that cannot be used must give way to the default package");
    game.BeginFirstGame();
    for (int turn = 0; turn < 2; ++turn) {
        game.PlayTurn();
    }
    game.Paint();
    Require(game.Settle(), "the animations of a turn must end");
    return 0;
}
