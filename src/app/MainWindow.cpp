#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QChildEvent>
#include <QCloseEvent>
#include <QMenuBar>

#include "GameTextTemplates.h"
#include "dialogs/AboutBox.h"
#include "dialogs/GameHelp.h"
#include "dialogs/GameOverBox.h"
#include "dialogs/InputBox.h"
#include "dialogs/LeadersBox.h"
#include "dialogs/LeadersCheck.h"
#include "dialogs/MakerLinks.h"
#include "dialogs/OptionsBox.h"
#include "persistence/SavedGame.h"
#include "platform/TextTranslator.h"

namespace {

constexpr int DesignWidth = 379;
constexpr int DesignHeight = 433;

}  // namespace

TMainWindow::TMainWindow(TGameWorld& world, TPlatform& platform)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      World(world),
      Platform(platform),
      // Every button acts alike, on press; the rules refuse presses while input is locked.
      Board(new TBoardView([this]() -> const QImage& { return World.Picture(); },
                           [this] { Follow(World.DrawAll()); },
                           [this](int x, int y) { Follow(World.Press(x, y)); }, this)) {
    setWindowTitle(QStringLiteral("Vyx Zeziz"));
    setCentralWidget(Board);
    Board->SetReading([this] { return World.Reading(); });
    Menu = BuildMainMenu(*menuBar());
    ConnectCommands();
    SetClientSize(DesignWidth, DesignHeight);
}

bool TMainWindow::ApplySettings() {
    return TakeSettings(World.ApplySettings());
}

// The marks follow the settings even when no skin can be used.
bool TMainWindow::TakeSettings(const TAppliedSettings& applied) {
    ShowMenuMarks();
    if (!applied.ClientSize) {
        return false;
    }
    SetClientSize(applied.ClientSize->width(), applied.ClientSize->height());
    Follow(applied.News);
    return true;
}

void TMainWindow::StartFirstGame() {
    Follow(World.StartFirstGame());
}

// A game over stops the game's pass at the channel that ended the game; once the game's end
// has run and the next game has begun, the pass goes on.
void TMainWindow::PlayDueChannels() {
    TGameNews news;
    do {
        news = World.Pass();
        Follow(news);
    } while (news.GameOver);
}

bool TMainWindow::IsGameRunning() const {
    return isActiveWindow() && !isMinimized() && QApplication::activePopupWidget() == nullptr &&
           QApplication::activeModalWidget() == nullptr;
}

void TMainWindow::Present() {
    const QRect changed = World.TakeChanges();
    if (!changed.isEmpty()) {
        Board->Present(changed);
    }
}

// The game's end runs before an autosave failure met in the same pass is told.
void TMainWindow::Follow(const TGameNews& news) {
    if (news.Caption) {
        setWindowTitle(TTextTranslator(GameTextTemplates()).Translate(news.Caption->View()));
    }
    if (news.GameOver) {
        RunGameOverSequence();
    }
    if (news.AutosaveFailure) {
        TellAutosaveFailure(*news.AutosaveFailure);
    }
}

void TMainWindow::RunGameOverSequence() {
    {
        TGameOverBox gameOver(this);
        gameOver.exec();
    }
    LeadersCheck(World.FinishedGame(), this, Platform.Messages);
    Follow(World.NewGame());
    TakeBackActivation();
}

void TMainWindow::TellAutosaveFailure(const TWriteResult& failure) {
    Platform.Messages.Show(AutosaveFailedText(failure), QT_TRANSLATE_NOOP("GameText", "Error"),
                           TMessageIcon::Error, TMessageButtons::Ok);
    TakeBackActivation();
}

// The game's end dialogs are children of this window. The game's loop waits while they are
// open, so every paint of the Game-over box and of the name dialog repaints the board
// behind them, and the finished board stays on screen.
bool TMainWindow::event(QEvent* event) {
    if (event->type() == QEvent::ChildPolished) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (qobject_cast<TGameOverBox*>(child) != nullptr ||
            qobject_cast<TInputBox*>(child) != nullptr) {
            child->installEventFilter(this);
        }
    }
    return QMainWindow::event(event);
}

bool TMainWindow::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        RepaintBehindDialog();
    }
    return false;
}

void TMainWindow::RepaintBehindDialog() {
    Follow(World.DrawAll());
    World.TakeChanges();
    Board->Present(Board->rect());
}

void TMainWindow::ConnectCommands() {
    OnCommand(Menu.NewClassicAction, [this] { Follow(World.NewGame({.Mode = ModeClassic})); });
    OnCommand(Menu.NewTimeTrialAction, [this] { Follow(World.NewGame({.Mode = ModeTimeTrial})); });
    connect(Menu.QuitAction, &QAction::triggered, this, &QWidget::close);
    OnCommand(Menu.EasyAction, [this] { SetLevel(DifficultyEasy); });
    OnCommand(Menu.MediumAction, [this] { SetLevel(DifficultyMedium); });
    OnCommand(Menu.HardAction, [this] { SetLevel(DifficultyHard); });
    connect(Menu.AutosaveAction, &QAction::toggled, this,
            [this](bool checked) { World.KeepAutosave(checked); });
    connect(Menu.AutoloadAction, &QAction::toggled, this,
            [this](bool checked) { World.KeepAutoload(checked); });
    OnCommand(Menu.LoadAction, [this] {
        if (const std::optional<TGameNews> loaded = World.Load()) {
            Follow(*loaded);
            ShowLevelMarks();
        }
    });
    OnCommand(Menu.SaveAction, [this] { World.Save(); });
    OnCommand(Menu.OptionsAction, [this] { ShowOptions(); });
    OnCommand(Menu.LeadersAction, [this] {
        TLeadersBox leaders(this);
        leaders.exec();
    });
    OnCommand(Menu.HelpAction, [this] { OpenGameHelp(Platform.Desktop, Platform.Messages, ""); });
    OnCommand(Menu.HomePageAction, [this] { Platform.Desktop.OpenUrl(MakerHomePage); });
    OnCommand(Menu.AboutAction, [this] {
        TAboutBox about(this, Platform.Desktop);
        about.exec();
    });
}

// After a command's dialogs the game goes on in this window: it takes the activation back
// itself rather than wait for a window manager to hand it back (or for a click, without
// one), since the game stands still while the window is inactive.
void TMainWindow::OnCommand(QAction* action, std::function<void()> command) {
    connect(action, &QAction::triggered, this, [this, command = std::move(command)] {
        command();
        TakeBackActivation();
    });
}

void TMainWindow::TakeBackActivation() {
    if (!Closed) {
        activateWindow();
    }
}

// The clock stands still while the dialog is open; closing it brings its choices into
// effect, the new skin's window size included.
void TMainWindow::ShowOptions() {
    {
        const TOptionsParts parts = World.BeginOptions();
        TOptionsBox options(parts.Settings, parts.Skins, Platform.Desktop, Platform.Messages,
                            Platform.Sound, this);
        options.exec();
    }
    if (!TakeSettings(World.EndOptions())) {
        close();
    }
}

void TMainWindow::SetLevel(uint32_t difficulty) {
    const TMessageAnswer answer = Platform.Messages.Show(
        QT_TRANSLATE_NOOP("GameText",
                          "It will interrupt current game!\nAre you really  wish this?"),
        "Vyx Zeziz", TMessageIcon::Exclamation, TMessageButtons::YesNo);
    if (answer == TMessageAnswer::Yes) {
        Follow(World.NewGame({.Difficulty = difficulty}));
    }
    // Qt toggled the chosen item's mark on the click; the marks follow the level alone.
    ShowLevelMarks();
}

void TMainWindow::ShowMenuMarks() {
    const TMenuMarks marks = World.MenuMarks();
    Menu.AutosaveAction->setChecked(marks.Autosave);
    Menu.AutoloadAction->setChecked(marks.Autoload);
    ShowLevelMarks();
}

// A level the game does not know (a hand-edited settings file) checks none of the three.
void TMainWindow::ShowLevelMarks() {
    const uint32_t difficulty = World.MenuMarks().Difficulty;
    Menu.EasyAction->setChecked(difficulty == DifficultyEasy);
    Menu.MediumAction->setChecked(difficulty == DifficultyMedium);
    Menu.HardAction->setChecked(difficulty == DifficultyHard);
}

void TMainWindow::SetClientSize(int width, int height) {
    Board->setFixedSize(width, height);
    setFixedSize(width, height + menuBar()->sizeHint().height());
}

void TMainWindow::closeEvent(QCloseEvent* event) {
    if (!Closed) {
        Closed = true;
        World.WriteSettings();
    }
    event->accept();
}
