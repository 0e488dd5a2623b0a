#pragma once

#include <QDialog>
#include <array>

#include "platform/Desktop.h"
#include "platform/MessageBoxes.h"
#include "platform/SoundPlayer.h"
#include "presentation/SkinLoader.h"
#include "rules/GameState.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

// The Options dialog: the skin, the four animation speeds, the four sounds and the sound
// switch. Its controls write into the game at once; the window brings them into effect
// when the dialog closes. Picking a skin unpacks it into the cache at once.
class TOptionsBox final : public QDialog {
    Q_OBJECT

public:
    TOptionsBox(TGame& game, TLoader& loader, TDesktop& desktop, TMessageBoxes& messages,
                TSoundPlayer& sound, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* BuildSkinsPage();
    QWidget* BuildAnimationPage();
    QWidget* BuildSoundsPage();
    void FillControls();
    void PickSkin(int index);
    void PreviewSound(TSound sound);

    TGame& Game;
    TLoader& Loader;
    TDesktop& Desktop;
    TMessageBoxes& Messages;
    TSoundPlayer& Sound;
    QComboBox* SkinsList = nullptr;
    QLabel* SkinName = nullptr;
    QLabel* SkinVer = nullptr;
    QLabel* SkinAuthor = nullptr;
    std::array<QSlider*, 4> Bars{};                        // Appearance, Choosing, Moving, Deleting
    std::array<QComboBox*, SoundEventCount> SoundLists{};  // indexed by TSound
    QCheckBox* SoundsSwitch = nullptr;
};
