#include "GameWorld.h"

#include "PressedCell.h"
#include "persistence/LeadersFile.h"
#include "persistence/SavedGame.h"
#include "persistence/SettingsFile.h"
#include "platform/FileSystem.h"

void RemoveStaleTemporaryFiles() {
    const std::filesystem::path gameFolder(".");
    RemoveStaleTemporaries(gameFolder, SettingsFileName);
    RemoveStaleTemporaries(gameFolder, LeadersFileName);
    RemoveStaleTemporaries(NativePath(SavesFolder), "*.lsv");
    RemoveStaleTemporaries(NativePath(TLoader::CacheFolder), "*");
}

TGameWorld::TGameWorld(TPlatform& platform) : Platform(platform) {
    Random.SeedFromTime();
}

void TGameWorld::AutoloadGame() {
    if (ReadAutosave(Logic, Game)) {
        Rules.ContinueAutosavedGame();
    } else {
        Rules.NewGame();
    }
}

void TGameWorld::PressAt(int x, int y) {
    if (const std::optional<TBoardCell> cell = HitCell(Loader.SkinData().Layout, x, y)) {
        Rules.Turns.PressCell(cell->Column, cell->Row);
    }
}

void TGameWorld::PollChannels() {
    Scheduler.RunOnce(Platform.Ticks, [this](TChannel channel) { Rules.FireChannel(channel); });
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
    Autosaves.Record(AutosaveGame(Logic, Game));
}

// Without a window (a test driving the world alone) no dialog can ask for a name: the next
// game starts at once, as it does after a score the leaders table does not take.
void TGameWorld::GameOver() {
    if (Window) {
        Window->RunGameOverSequence();
    } else {
        Rules.NewGame();
    }
}

void TGameWorld::ShowCaption(std::string_view caption) {
    if (Window) {
        Window->SetCaption(caption);
    }
}
