#include "GameWorld.h"

#include "HitTest.h"
#include "persistence/SavedGame.h"

TGameWorld::TGameWorld(TPlatform& platform) : Platform(platform) {
    Random.SeedFromTime();
    Renderer.SetScoreOverflowHandler([this] { NewGame(); });
}

void TGameWorld::NewGame() {
    if (Game.GameMode == ModeTimeTrial) {
        Game.Minutes = TGameClock::LevelMinutes;
        Game.Seconds = 0;
        Game.LevelTarget = TGameClock::FirstTarget;
    } else if (Game.GameMode == ModeClassic) {
        Game.Minutes = 0;
        Game.Seconds = 0;
    }
    // The clock shows the new game's time at once, not a second later.
    Game.TimeText.Assign(TimeTextFor(Game.Minutes, Game.Seconds));
    UpdateCaption();
    Game.Score = 0;
    Turns.RestartBoard();
}

void TGameWorld::StopAnimationsOfTheLastGame() {
    Game.InputEnabled = true;
    Turns.CancelMove();
    Scheduler.SetEnabled(TChannel::Deleting, false);
    Scheduler.SetEnabled(TChannel::Choosing, false);
    Logic.ClearMarks();
}

void TGameWorld::MakeLoadedGamePlayable() {
    StopAnimationsOfTheLastGame();
    UpdateCaption();
    Renderer.DrawBoard();
}

void TGameWorld::AutoloadGame() {
    if (!ReadAutosave(Logic, Game)) {
        NewGame();
        return;
    }
    StopAnimationsOfTheLastGame();
    Turns.FillPreview();
    Logic.NextBank = 0;
    Game.TimeText.Assign(TimeTextFor(Game.Minutes, Game.Seconds));
    UpdateCaption();
    Renderer.DrawBoard();
}

void TGameWorld::FireChannel(TChannel channel) {
    switch (channel) {
        case TChannel::Moving:
            Turns.AdvanceMove();
            break;
        case TChannel::Appearance:
            Animations.AdvanceAppearance();
            break;
        case TChannel::Deleting:
            Animations.AdvanceDeletion();
            break;
        case TChannel::Choosing:
            Renderer.DrawBoard();
            break;
        case TChannel::Clock:
            Clock.ClockTick();
            break;
    }
}

void TGameWorld::PressAt(int x, int y) {
    if (const std::optional<TBoardCell> cell = HitCell(Loader.SkinData().Layout, x, y)) {
        Turns.PressCell(cell->Column, cell->Row);
    }
}

void TGameWorld::PollChannels() {
    Scheduler.RunOnce(Platform.Ticks, [this](TChannel channel) { FireChannel(channel); });
}

void TGameWorld::SetChannelEnabled(TChannel channel, bool enabled) {
    Scheduler.SetEnabled(channel, enabled);
}

bool TGameWorld::IsChannelEnabled(TChannel channel) const {
    return Scheduler.IsEnabled(channel);
}

void TGameWorld::PlaySound(TSound sound) {
    Platform.Sound.Play(Game.SoundFile(sound).View());
}

void TGameWorld::Autosave() {
    AutosaveGame(Logic, Game);
}

void TGameWorld::GameOver() {
    if (Window) {
        Window->RunGameOverSequence();
    } else {
        NewGame();
    }
}

void TGameWorld::UpdateCaption() {
    if (const std::optional<std::string> caption = CaptionFor(Game); caption && Window) {
        Window->SetCaption(*caption);
    }
}
