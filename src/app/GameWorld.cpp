#include "GameWorld.h"

#include <utility>

#include "PressedCell.h"
#include "persistence/LeadersFile.h"
#include "persistence/SavedGame.h"
#include "persistence/SettingsFile.h"
#include "platform/FileSystem.h"
#include "presentation/ApplySettings.h"

void RemoveStaleTemporaryFiles() {
    const std::filesystem::path gameFolder(".");
    RemoveStaleTemporaries(gameFolder, SettingsFileName);
    RemoveStaleTemporaries(gameFolder, LeadersFileName);
    RemoveStaleTemporaries(NativePath(SavesFolder), "*.lsv");
    RemoveStaleTemporaries(NativePath(TLoader::CacheFolder), "*");
}

TGameWorld::TGameWorld(TPlatform& platform, std::optional<uint64_t> seed) : Platform(platform) {
    if (seed) {
        Random.Seed(*seed);
    } else {
        Random.SeedFromTime();
    }
}

bool TGameWorld::ReadSettings() {
    return ReadSettingsFile(Game, Platform.Messages);
}

void TGameWorld::WriteSettings() {
    WriteSettingsFile(Game, Platform.Messages);
}

TAppliedSettings TGameWorld::ApplySettings() {
    TAppliedSettings applied;
    if (!::ApplySettings({Game, Loader, Renderer, Platform.Messages})) {
        return applied;
    }
    Scheduler.SetIntervals(ChannelIntervals(Game.Speeds));
    const TSkinLayout& layout = Loader.SkinData().Layout;
    applied.ClientSize = QSize(layout.WindowWidth, layout.WindowHeight);
    applied.News = DrawBoard();
    return applied;
}

TMenuMarks TGameWorld::MenuMarks() const {
    return {Game.Difficulty, Game.Autosave, Game.Autoload};
}

TOptionsParts TGameWorld::BeginOptions() {
    Channels.Set(TChannel::Clock, false);
    return {Game, Loader};
}

TAppliedSettings TGameWorld::EndOptions() {
    Channels.Set(TChannel::Clock, true);
    return ApplySettings();
}

TGameNews TGameWorld::StartFirstGame() {
    if (Game.Autoload && ReadAutosave(Logic, Game)) {
        return Follow(CallRules([this] { return Rules.ContinueAutosavedGame(); }));
    }
    return NewGame();
}

TGameNews TGameWorld::NewGame(TNewGame choice) {
    Game.GameMode = choice.Mode.value_or(Game.GameMode);
    Game.Difficulty = choice.Difficulty.value_or(Game.Difficulty);
    return Follow(CallRules([this] { return Rules.NewGame(); }));
}

std::optional<TGameNews> TGameWorld::Load() {
    if (!LoadGameFrom(Platform.FileDialogs, Logic, Game)) {
        return std::nullopt;
    }
    return Follow(CallRules([this] { return Rules.ContinueLoadedGame(); }));
}

void TGameWorld::Save() {
    SaveGameAs(Platform.FileDialogs, Platform.Messages, Logic, Game);
}

TGameNews TGameWorld::Press(int x, int y) {
    const std::optional<TBoardCell> cell = HitCell(Loader.SkinData().Layout, x, y);
    if (!cell) {
        return {};
    }
    return Follow(CallRules([&] { return Rules.PressCell(cell->Column, cell->Row); }));
}

TGameNews TGameWorld::Pass() {
    TGameNews news;
    if (std::exchange(RedrawAfterGameOver, false)) {
        news += DrawBoard();
    }
    Scheduler.RunOnce(Platform.Ticks, [this, &news](TChannel channel) {
        const TOutcome outcome = CallRules([&] { return Rules.FireChannel(channel); });
        news += Follow(outcome);
        return !outcome.GameOver;
    });
    news.AutosaveFailure = Autosaves.TakeUntold();
    return news;
}

void TGameWorld::StartChannels() {
    Scheduler.Start(Platform.Ticks.Ticks());
}

std::optional<uint32_t> TGameWorld::UntilDue() {
    return Scheduler.UntilDue(Platform.Ticks.Ticks(), !Rules.ChoosingChangesNothing());
}

TGameNews TGameWorld::DrawAll() {
    TGameNews news = DrawBoard();
    DrawClock();
    return news;
}

void TGameWorld::DrawClock() {
    if (CallRules([this] { return Rules.BeforeClockDrawn(); })) {
        Renderer.DrawClock();
    }
}

// The step's sounds start before anything else of it, as the step itself would have played
// them; the autosave follows, then the picture. A game over leaves the picture of its step
// for the next game.
TGameNews TGameWorld::Follow(const TOutcome& outcome) {
    TGameNews news;
    Play(outcome.Sounds);
    if (outcome.Autosave) {
        Autosaves.Record(AutosaveGame(Logic, Game));
    }
    if (outcome.CaptionChanged) {
        news.Caption = CaptionFor(Game);
    }
    if (outcome.GameOver) {
        news.GameOver = true;
        RedrawAfterGameOver = outcome.Redraw;
    } else if (outcome.Redraw) {
        news += DrawBoard();
    }
    return news;
}

// The board's picture in its three parts: the background with the 81 cells, the score, the
// preview. The rules may start a new game between the cells and the score.
TGameNews TGameWorld::DrawBoard() {
    Play(Renderer.DrawCells());
    const TOutcome beforeScore = CallRules([this] { return Rules.BeforeScoreDrawn(); });
    if (!beforeScore.NewGame) {
        Renderer.DrawScore();
    }
    Renderer.DrawPreview();
    return Follow(beforeScore);
}

void TGameWorld::Play(const TSoundList& sounds) {
    for (const TSound sound : sounds) {
        Platform.Sound.Play(Game.SoundFile(sound).View());
    }
}
