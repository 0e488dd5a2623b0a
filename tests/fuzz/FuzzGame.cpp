#include "FuzzGame.h"

#include "Check.h"
#include "app/PressedCell.h"
#include "persistence/LeadersFile.h"
#include "persistence/SavedGame.h"
#include "persistence/SettingsFile.h"
#include "platform/FileSystem.h"

TFuzzGame::TFuzzGame(const std::filesystem::path& gameFolder)
    : Folders(TGameFolders::Portable(gameFolder)) {
    // The same input must play the same game: the generator is not seeded from the time.
    World.Random.Seed(2005);
    World.SetWindow(*this);
}

bool TFuzzGame::StartUp() {
    RemoveStaleTemporaryFiles();
    return ReadSettingsFile(World.Game, Messages) && ApplySettings();
}

bool TFuzzGame::ApplySettings() {
    if (!::ApplySettings({World.Game, World.Loader, World.Renderer, *this, Messages})) {
        return false;
    }
    World.Rules.RedrawBoard();
    return true;
}

void TFuzzGame::BeginFirstGame() {
    if (World.Game.Autoload) {
        World.AutoloadGame();
    } else {
        World.Rules.NewGame();
    }
    World.Scheduler.Start(Ticks.Ticks());
    Pass();
}

void TFuzzGame::Pass(uint32_t milliseconds) {
    Ticks.Sleep(milliseconds);
    World.PollChannels();
    World.Rules.RedrawClock();
}

bool TFuzzGame::IsAnimating() const {
    return World.IsChannelEnabled(TChannel::Moving) ||
           World.IsChannelEnabled(TChannel::Appearance) ||
           World.IsChannelEnabled(TChannel::Deleting);
}

bool TFuzzGame::Settle(int maxPasses) {
    for (int pass = 0; pass < maxPasses && IsAnimating(); ++pass) {
        Pass();
    }
    return !IsAnimating();
}

void TFuzzGame::PressCell(int column, int row) {
    const TSkinLayout& l = World.Loader.SkinData().Layout;
    const int64_t x = int64_t{l.BoardDrawLeft} + int64_t{column} * l.CellWidth +
                      int64_t{column + 1} * l.CellGapX + l.CellWidth / 2;
    const int64_t y = int64_t{l.BoardDrawTop} +
                      int64_t{row} * (int64_t{l.CellHeight} + l.CellGapY) + l.CellHeight / 2;
    // A cell drawn outside what a position can say is beyond the player's reach.
    if (x >= INT32_MIN && x <= INT32_MAX && y >= INT32_MIN && y <= INT32_MAX) {
        World.PressAt(static_cast<int>(x), static_cast<int>(y));
    }
}

void TFuzzGame::PlayTurn() {
    const auto first = [this](bool ball) {
        for (int row = 0; row < BoardSize; ++row) {
            for (int column = 0; column < BoardSize; ++column) {
                if ((World.Logic.Board[column][row] != 0) == ball) {
                    return TBoardCell{column, row};
                }
            }
        }
        return TBoardCell{-1, -1};
    };
    const TBoardCell ball = first(true);
    const TBoardCell empty = first(false);
    if (ball.Column < 0 || empty.Column < 0) {
        return;
    }
    PressCell(ball.Column, ball.Row);
    Pass();
    PressCell(empty.Column, empty.Row);
    Settle();
}

void TFuzzGame::Paint() {
    World.Rules.RedrawBoard();
    World.Rules.RedrawClock();
}

bool TFuzzGame::LoadCommand(const std::string& file) {
    Dialogs.Answer = file;
    if (!LoadGameFrom(Dialogs, World.Logic, World.Game)) {
        return false;
    }
    World.Rules.ContinueLoadedGame();
    return true;
}

void TFuzzGame::RunGameOverSequence() {
    TLeadersTable expected = ReadLeadersTable();
    if (QualifiesForLeaders(World.Game.Score, expected)) {
        PlaceLeader(expected, MakeLeaderEntry(World.Game, "Fuzz"));
        InsertLeader(World.Game, "Fuzz");
        // Whatever clock and score the game ended with, the table reads back as written.
        Require(ReadLeadersTable() == expected, "a recorded game must read back from the table");
    }
    World.Rules.NewGame();
}

void TFuzzGame::SetClientSize(int width, int height) {
    ClientWidth = width;
    ClientHeight = height;
}

void TFuzzGame::SetChannelIntervals(const TChannelIntervals& intervals) {
    World.Scheduler.SetIntervals(intervals);
}
