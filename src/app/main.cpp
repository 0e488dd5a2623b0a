#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QScreen>
#include <exception>
#include <filesystem>
#include <iostream>

#include "CommandLine.h"
#include "GameTextTemplates.h"
#include "GameWorld.h"
#include "MainLoop.h"
#include "MainWindow.h"
#include "Translations.h"
#include "platform/FileSystem.h"
#include "platform/GameFolders.h"
#include "platform/QtDesktop.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QuitRequests.h"
#include "platform/SdlSoundPlayer.h"
#include "platform/SingleGame.h"
#include "platform/TextTranslator.h"
#include "platform/WindowCloser.h"

namespace {

// The desktop icons of data/icons/, compiled in: the window lists show the game's own
// whether it is installed or played from its folder.
QIcon GameIcon() {
    QIcon icon;
    for (QDirIterator file(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
         file.hasNext();) {
        icon.addFile(file.next());
    }
    return icon;
}

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
// When nothing the game writes can be kept, the player hears why before playing.
// From the window's making on, the system's requests to end (a signal, the end of the
// session) quit as the Quit command does (the session manager has the settings written
// first), and a later start brings the window to the front.
int RunGame(TPlatform& platform, TQtDialogParent& dialogParent, TSingleGame& singleGame) {
    if (!platform.Folders.Warning().empty()) {
        platform.Messages.Show(platform.Folders.Warning(), QT_TRANSLATE_NOOP("GameText", "Warning"),
                               TMessageIcon::Warning, TMessageButtons::Ok);
    }
    RemoveStaleTemporaryFiles();
    TGameWorld world(platform);
    TMainWindow window(world, platform);
    dialogParent.SetMainWindow(&window);
    singleGame.SetWindow(&window);
    TWindowCloser closer(window);
    const TQuitRequests quitRequests([&world] { world.WriteSettings(); },
                                     [&closer] { closer.Close(); });
    if (!world.ReadSettings() || !window.ApplySettings()) {
        return 0;
    }
    window.StartFirstGame();
    ShowCentred(window);
    TMainLoop(world, window, platform.Ticks).Run();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> done = AnswerCommandLine(
            std::span<char* const>(argv, static_cast<std::size_t>(argc)), std::cout)) {
        return *done;
    }
    // The board changes a cell at a time. Through X shared memory every such frame first
    // waits for the X server to be done with the last one, a round trip; sent with the
    // request, the few kilobytes a frame holds cost a third less while a ball bounces. Qt
    // reads the choice when it connects; the programs the game opens do not inherit it.
    const bool chosenByPlayer = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (!chosenByPlayer) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    QApplication application(argc, argv);
    if (!chosenByPlayer) {
        qunsetenv("QT_XCB_NO_MITSHM");
    }
    QApplication::setApplicationName(QStringLiteral("VyxLines"));
    QGuiApplication::setDesktopFileName(QStringLiteral(VYX_APP_ID));
    QApplication::setWindowIcon(GameIcon());
    // Every file the game writes is named relative to the player's folder (the game folder
    // itself when it is portable); the shipped files are read from where they lie.
    const TGameFolders folders = TGameFolders::Find(ProgramFolder(), CurrentUserEnvironment());
    TQtDialogParent dialogParent;
    const TTranslations translations(QLocale::system());
    TQtMessageBoxes messages(dialogParent, TTextTranslator(GameTextTemplates()));
    // A game already playing on the player's folder goes on alone: this start ends before
    // it shows a window or writes anything that game keeps.
    TSingleGame singleGame(folders.Player());
    if (singleGame.Start() == TSingleGame::TStart::CalledRunningGame) {
        return 0;
    }
    if (singleGame.Start() == TSingleGame::TStart::RunningGameUnreachable) {
        messages.Show("Vyx Zeziz is already running with the folder " + folders.Player().string() +
                          ", but it does not answer.",
                      "Vyx Zeziz", TMessageIcon::Exclamation, TMessageButtons::Ok);
        return 0;
    }
    std::error_code ignored;
    std::filesystem::current_path(folders.Player(), ignored);

    TSteadyTickSource ticks;
    TQtFileDialogs fileDialogs(dialogParent);
    TQtDesktop desktop(folders.Shipped());
    TSdlSoundPlayer sound(folders.Shipped());
    TPlatform platform{ticks, messages, fileDialogs, desktop, sound, folders};
    try {
        return RunGame(platform, dialogParent, singleGame);
    } catch (const std::exception& error) {
        messages.Show(error.what(), "VyxLines", TMessageIcon::Error, TMessageButtons::Ok);
        return 0;
    }
}
