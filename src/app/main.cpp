#include <QApplication>
#include <QScreen>
#include <exception>
#include <filesystem>

#include "GameWorld.h"
#include "MainLoop.h"
#include "MainWindow.h"
#include "persistence/SettingsFile.h"
#include "platform/FileSystem.h"
#include "platform/QtDesktop.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessageBoxes.h"
#include "platform/SdlSoundPlayer.h"

namespace {

void ShowCentred(QWidget& window) {
    window.show();
    if (const QScreen* screen = window.screen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - window.frameGeometry().center() + window.pos());
    }
    window.raise();
    window.activateWindow();
}

// Start-up in its order: what crashed writes left behind is cleared away, the world (zeroed,
// its generator seeded), the window, the settings, the skin, then the autosaved or a new
// game; the window shows and the loop runs.
// A missing settings file or skin ends the program after its message, before any game.
int RunGame(TPlatform& platform, TQtDialogParent& dialogParent) {
    RemoveStaleTemporaryFiles();
    TGameWorld world(platform);
    TForm1 window(world);
    dialogParent.SetMainWindow(&window);
    if (!ReadSettingsFile(world.Game, platform.Messages) || !window.ApplySettings()) {
        return 0;
    }
    if (world.Game.Autoload) {
        world.AutoloadGame();
    } else {
        world.Rules.NewGame();
    }
    ShowCentred(window);
    TMainLoop(world, window).Run();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VyxLines"));
    // Every file of the game is named relative to the game folder.
    std::error_code ignored;
    std::filesystem::current_path(ProgramFolder(), ignored);

    TSteadyTickSource ticks;
    TQtDialogParent dialogParent;
    TQtMessageBoxes messages(dialogParent);
    TQtFileDialogs fileDialogs(dialogParent);
    TQtDesktop desktop;
    TSdlSoundPlayer sound;
    TPlatform platform{ticks, messages, fileDialogs, desktop, sound};
    try {
        return RunGame(platform, dialogParent);
    } catch (const std::exception& error) {
        messages.Show(error.what(), "VyxLines", TMessageIcon::Error, TMessageButtons::Ok);
        return 0;
    }
}
