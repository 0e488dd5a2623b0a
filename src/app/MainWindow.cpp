#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>

#include "BoardReading.h"
#include "GameTextTemplates.h"
#include "dialogs/AboutBox.h"
#include "dialogs/GameHelp.h"
#include "dialogs/GameOverBox.h"
#include "dialogs/LeadersBox.h"
#include "dialogs/LeadersCheck.h"
#include "dialogs/MakerLinks.h"
#include "dialogs/OptionsBox.h"
#include "persistence/SavedGame.h"
#include "persistence/SettingsFile.h"
#include "platform/Latin1.h"
#include "platform/TextTranslator.h"

namespace {

constexpr int DesignWidth = 379;
constexpr int DesignHeight = 433;

}  // namespace

TForm1::TForm1(TGameWorld& world)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      World(world),
      Board(new TBoardView([this]() -> const QImage& { return World.Renderer.BackBuffer(); },
                           [this] {
                               World.Rules.RedrawBoard();
                               World.Rules.RedrawClock();
                           },
                           [this](int x, int y) { FormMouseDown(x, y); }, this)) {
    setWindowTitle(QStringLiteral("Vyx Zeziz"));
    setCentralWidget(Board);
    Board->SetReading(
        [this] { return ReadBoard(World.Logic, World.Game, World.Loader.SkinData().Layout); });
    Items = BuildMainMenu(*menuBar());
    ConnectCommands();
    SetClientSize(DesignWidth, DesignHeight);
    World.SetWindow(*this);
}

bool TForm1::ApplySettings() {
    if (!::ApplySettings(
            {World.Game, World.Loader, World.Renderer, *this, World.Platform.Messages})) {
        return false;
    }
    World.Rules.RedrawBoard();
    return true;
}

bool TForm1::IsGameRunning() const {
    return isActiveWindow() && !isMinimized() && QApplication::activePopupWidget() == nullptr &&
           QApplication::activeModalWidget() == nullptr;
}

void TForm1::Present() {
    const QRect changed = World.Renderer.TakeChanges();
    if (!changed.isEmpty()) {
        Board->Present(changed);
    }
}

// Every button acts alike, on press; the turn cycle refuses presses while input is locked.
void TForm1::FormMouseDown(int x, int y) {
    World.PressAt(x, y);
}

void TForm1::TellAutosaveFailure() {
    if (const std::optional<TWriteResult> failure = World.TakeUntoldAutosaveFailure()) {
        World.Platform.Messages.Show(AutosaveFailedText(*failure),
                                     QT_TRANSLATE_NOOP("GameText", "Error"), TMessageIcon::Error,
                                     TMessageButtons::Ok);
        TakeBackActivation();
    }
}

void TForm1::ConnectCommands() {
    OnCommand(Items.NewClassic, [this] { NewGameInMode(ModeClassic); });
    OnCommand(Items.NewTimeTrial, [this] { NewGameInMode(ModeTimeTrial); });
    connect(Items.Quit, &QAction::triggered, this, &QWidget::close);
    OnCommand(Items.Easy, [this] { SetLevel(DifficultyEasy); });
    OnCommand(Items.Medium, [this] { SetLevel(DifficultyMedium); });
    OnCommand(Items.Hard, [this] { SetLevel(DifficultyHard); });
    connect(Items.Autosave, &QAction::toggled, this,
            [this](bool checked) { World.Game.Autosave = checked; });
    connect(Items.Autoload, &QAction::toggled, this,
            [this](bool checked) { World.Game.Autoload = checked; });
    OnCommand(Items.Load, [this] {
        if (LoadGameFrom(World.Platform.FileDialogs, World.Logic, World.Game)) {
            World.Rules.ContinueLoadedGame();
            ShowLevelMarks();
        }
    });
    OnCommand(Items.Save, [this] {
        SaveGameAs(World.Platform.FileDialogs, World.Platform.Messages, World.Logic, World.Game);
    });
    OnCommand(Items.Options, [this] { ShowOptions(); });
    OnCommand(Items.Leaders, [this] {
        TLeadersBox leaders(this);
        leaders.exec();
    });
    OnCommand(Items.Help,
              [this] { OpenGameHelp(World.Platform.Desktop, World.Platform.Messages, ""); });
    OnCommand(Items.HomePage, [this] { World.Platform.Desktop.OpenUrl(MakerHomePage); });
    OnCommand(Items.About, [this] {
        TAboutBox about(this, World.Platform.Desktop);
        about.exec();
    });
}

// After a command's dialogs the game goes on in this window: it takes the activation back
// itself rather than wait for a window manager to hand it back (or for a click, without
// one), since the game stands still while the window is inactive.
void TForm1::OnCommand(QAction* action, std::function<void()> command) {
    connect(action, &QAction::triggered, this, [this, command = std::move(command)] {
        command();
        TakeBackActivation();
    });
}

void TForm1::TakeBackActivation() {
    if (!Closed) {
        activateWindow();
    }
}

// The clock stands still while the dialog is open; closing it brings its choices into
// effect, the new skin's window size included.
void TForm1::ShowOptions() {
    World.Scheduler.SetEnabled(TChannel::Clock, false);
    {
        TOptionsBox options(World.Game, World.Loader, World.Platform.Desktop,
                            World.Platform.Messages, World.Platform.Sound, this);
        options.exec();
    }
    World.Scheduler.SetEnabled(TChannel::Clock, true);
    if (!ApplySettings()) {
        close();
    }
}

void TForm1::NewGameInMode(int32_t mode) {
    World.Game.GameMode = mode;
    World.Rules.NewGame();
}

void TForm1::SetLevel(uint32_t difficulty) {
    const TMessageAnswer answer = World.Platform.Messages.Show(
        QT_TRANSLATE_NOOP("GameText",
                          "It will interrupt current game!\nAre you really  wish this?"),
        "Vyx Zeziz", TMessageIcon::Exclamation, TMessageButtons::YesNo);
    if (answer == TMessageAnswer::Yes) {
        World.Game.Difficulty = difficulty;
        World.Rules.NewGame();
    }
    // Qt toggled the chosen item's mark on the click; the marks follow the level alone.
    ShowLevelMarks();
}

// A level the game does not know (a hand-edited settings file) checks none of the three.
void TForm1::ShowLevelMarks() {
    const uint32_t difficulty = World.Game.Difficulty;
    Items.Easy->setChecked(difficulty == DifficultyEasy);
    Items.Medium->setChecked(difficulty == DifficultyMedium);
    Items.Hard->setChecked(difficulty == DifficultyHard);
}

void TForm1::SetCaption(std::string_view caption) {
    setWindowTitle(TTextTranslator(GameTextTemplates()).Translate(caption));
}

// The final board stays on screen behind the dialogs; the sequence ends in a new game in
// the same mode and difficulty.
void TForm1::RunGameOverSequence() {
    {
        TGameOverBox gameOver(*this);
        gameOver.exec();
    }
    LeadersCheck(World.Game, *this, World.Platform.Messages);
    TakeBackActivation();
}

void TForm1::ShowSettingsInMenu(const TGame& game) {
    Items.Autosave->setChecked(game.Autosave);
    Items.Autoload->setChecked(game.Autoload);
    ShowLevelMarks();
}

void TForm1::SetClientSize(int width, int height) {
    Board->setFixedSize(width, height);
    setFixedSize(width, height + menuBar()->sizeHint().height());
}

void TForm1::SetChannelIntervals(const TChannelIntervals& intervals) {
    World.Scheduler.SetIntervals(intervals);
}

void TForm1::RepaintMainWindow() {
    World.Rules.RedrawBoard();
    World.Rules.RedrawClock();
    World.Renderer.TakeChanges();
    Board->Present(Board->rect());
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!Closed) {
        Closed = true;
        WriteSettingsFile(World.Game, World.Platform.Messages);
    }
    event->accept();
}
