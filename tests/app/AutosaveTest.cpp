#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "GameApp.h"
#include "persistence/SavedGame.h"
#include "support/FileSizeLimit.h"

// An autosave that cannot be written is told once, after the turn has ended, and play goes
// on; once an autosave has worked again, the next failure is told anew.
TEST(Autosave, AFailureIsToldOnceUntilAnAutosaveHasWorkedAgain) {
    TGame settings = TGameApp::DefaultSettings();
    settings.Autosave = true;
    TGameApp app(settings);
    app.Start();
    std::string report;
    app.Messages.WhenShown = [&] {
        report += app.Logic().AppearFrame == 0 ? "after the turn: " : "mid-turn: ";
    };
    const std::string told = "after the turn: Can not autosave game to\n" +
                             (std::filesystem::current_path() / "Saves/Autosave.lsv").string() +
                             ":\nFile too large.\n";
    // Whether the autosave may be written in each turn, and what the player hears of it.
    const std::pair<bool, std::string> turns[] = {
        {false, told}, {false, ""}, {true, ""}, {false, told}, {true, ""},
    };
    std::string expected;
    for (const auto& [writable, message] : turns) {
        std::optional<TFileSizeLimit> limit;
        if (!writable) {
            limit.emplace(64);
        }
        // The lone ball walks three cells down, new balls appear, the turn ends.
        app.SetUpBoard({"3........", ".........", ".........", ".........", ".........",
                        ".........", ".........", ".........", "........."});
        app.PressCell(0, 0);
        app.PressCell(0, 3);
        ASSERT_TRUE(app.PassUntil([&] {
            const TChannelSwitches& channels = app.Channels();
            return !channels.IsOn(TChannel::Moving) && !channels.IsOn(TChannel::Appearance) &&
                   app.Game().InputEnabled;
        }));
        for (const auto& shown : app.Messages.Shown) {
            report += shown.Text + "\n";
        }
        app.Messages.Shown.clear();
        const bool kept =
            app.Folder.Read("Saves\\Autosave.lsv") == EncodeSavedGame(app.Logic(), app.Game());
        report += kept ? "kept\n" : "not kept\n";
        expected += message + (writable ? "kept\n" : "not kept\n");
    }
    EXPECT_EQ(report, expected);
}
