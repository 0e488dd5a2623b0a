#include "FuzzGame.h"

#include "Check.h"
#include "app/PressedCell.h"
#include "persistence/LeadersFile.h"
#include "platform/FileSystem.h"

TFuzzGame::TFuzzGame(const std::filesystem::path& gameFolder)
    : Folders(TGameFolders::Portable(gameFolder)) {}

bool TFuzzGame::StartUp() {
    RemoveStaleTemporaryFiles();
    return World.ReadSettings() && ApplySettings();
}

bool TFuzzGame::ApplySettings() {
    const TAppliedSettings applied = World.ApplySettings();
    if (!applied.ClientSize) {
        return false;
    }
    ClientWidth = applied.ClientSize->width();
    ClientHeight = applied.ClientSize->height();
    Follow(applied.News);
    return true;
}

void TFuzzGame::BeginFirstGame() {
    Follow(World.StartFirstGame());
    World.StartChannels();
    Pass();
}

void TFuzzGame::Pass(uint32_t milliseconds) {
    Ticks.Sleep(milliseconds);
    TGameNews news;
    do {
        news = World.Pass();
        Follow(news);
    } while (news.GameOver);
    World.DrawClock();
}

bool TFuzzGame::IsAnimating() {
    const TChannelSwitches& channels = TWorldInside::Channels(World);
    return channels.IsOn(TChannel::Moving) || channels.IsOn(TChannel::Appearance) ||
           channels.IsOn(TChannel::Deleting);
}

bool TFuzzGame::Settle(int maxPasses) {
    for (int pass = 0; pass < maxPasses && IsAnimating(); ++pass) {
        Pass();
    }
    return !IsAnimating();
}

void TFuzzGame::Press(int x, int y) {
    Follow(World.Press(x, y));
}

void TFuzzGame::PressCell(int column, int row) {
    const TSkinLayout& l = Loader.SkinData().Layout;
    const int64_t x = int64_t{l.BoardDrawLeft} + int64_t{column} * l.CellWidth +
                      int64_t{column + 1} * l.CellGapX + l.CellWidth / 2;
    const int64_t y = int64_t{l.BoardDrawTop} +
                      int64_t{row} * (int64_t{l.CellHeight} + l.CellGapY) + l.CellHeight / 2;
    // A cell drawn outside what a position can say is beyond the player's reach.
    if (x >= INT32_MIN && x <= INT32_MAX && y >= INT32_MIN && y <= INT32_MAX) {
        Press(static_cast<int>(x), static_cast<int>(y));
    }
}

void TFuzzGame::PlayTurn() {
    const auto first = [this](bool ball) {
        for (int row = 0; row < BoardSize; ++row) {
            for (int column = 0; column < BoardSize; ++column) {
                if ((Logic.Board[column][row] != 0) == ball) {
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
    Follow(World.DrawAll());
}

void TFuzzGame::NewGame(TNewGame choice) {
    Follow(World.NewGame(choice));
}

bool TFuzzGame::LoadCommand(const std::string& file) {
    Dialogs.Answer = file;
    const std::optional<TGameNews> loaded = World.Load();
    if (loaded) {
        Follow(*loaded);
    }
    return loaded.has_value();
}

void TFuzzGame::Follow(const TGameNews& news) {
    if (news.Caption) {
        Caption = news.Caption->View();
    }
    if (news.GameOver) {
        RunGameOverSequence();
    }
}

void TFuzzGame::RunGameOverSequence() {
    TLeadersTable expected = ReadLeadersTable();
    if (QualifiesForLeaders(Game.Score, expected)) {
        PlaceLeader(expected, MakeLeaderEntry(Game, "Fuzz"));
        InsertLeader(Game, "Fuzz");
        // Whatever clock and score the game ended with, the table reads back as written.
        Require(ReadLeadersTable() == expected, "a recorded game must read back from the table");
    }
    Follow(World.NewGame());
}
