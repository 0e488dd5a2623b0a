#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <set>
#include <sstream>

#include "SkinPack.h"
#include "dialogs/MakerLinks.h"
#include "dialogs/OptionsBox.h"
#include "support/FakePlatform.h"
#include "support/GameFolder.h"
#include "support/TestSkin.h"

namespace {

class OptionsBox : public testing::Test {
protected:
    OptionsBox() {
        testskin::Write(Folder.Path("Gfx\\Cache"), testskin::Data("SolidColours"));
        for (const char* package : {"Zeta.lsk", "Buttons.lsk", "alpha.lsk"}) {
            Folder.Write(std::string("Gfx\\Skins\\") + package, "not unpacked in this test");
        }
        Folder.Write("Gfx\\Skins\\notes.txt", "not a skin");
        EXPECT_TRUE(Loader.ReadSkinConfig());
        Game.Speeds = {1, 2, 3, 4};
        Game.SoundChoices = {0, 1, 2, 0};
        Game.SoundFiles[0].Assign("Sfx\\Selecting1.wav");
        Game.SoundsOn = true;
        Box = std::make_unique<TOptionsBox>(Game, Loader, Desktop, Messages, Sound, nullptr);
    }

    template <typename Widget>
    Widget* Find(const char* name) {
        auto* widget = Box->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    TGameFolder Folder;
    TRecordingMessageBoxes Messages;
    TRecordingDesktop Desktop;
    TRecordingSound Sound;
    TLoader Loader{Messages};
    TGame Game;
    std::unique_ptr<TOptionsBox> Box;
};

TEST_F(OptionsBox, IsLaidOutWithItsPagesAndControls) {
    EXPECT_EQ(Box->windowTitle(), "Options");
    EXPECT_EQ(Box->size(), QSize(323, 289));
    EXPECT_EQ(Find<QPushButton>("Button1")->geometry(), QRect(155, 258, 81, 25));
    EXPECT_EQ(Find<QPushButton>("Button3")->geometry(), QRect(243, 258, 75, 25));
    auto* pages = Find<QTabWidget>("PageControl1");
    EXPECT_EQ(pages->geometry(), QRect(4, 8, 315, 245));
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(0), "Skins");
    EXPECT_EQ(pages->tabText(1), "Animation");
    EXPECT_EQ(pages->tabText(2), "Sounds");
    EXPECT_EQ(pages->currentIndex(), 0);
    for (const char* bar : {"AppearBar", "MoveBar", "ChooseBar", "DelBar"}) {
        EXPECT_EQ(Find<QSlider>(bar)->maximum(), 9);
        EXPECT_EQ(Find<QSlider>(bar)->tickPosition(), QSlider::TicksBelow);
    }
    for (const char* button : {"ChPic", "MvPic", "DelPic", "ErrPic"}) {
        EXPECT_EQ(Find<QPushButton>(button)->size(), QSize(20, 22));
    }
    EXPECT_EQ(Find<QCheckBox>("EnbleSnd")->text(), "Enable sounds");
    EXPECT_EQ(Find<QPushButton>("MoreSkins")->text(), "Get more skins!");
    bool slowFast = false;
    for (QLabel* label : Box->findChildren<QLabel*>()) {
        slowFast = slowFast || label->text() == "slow                       fast";
    }
    EXPECT_TRUE(slowFast);
}

// Every control of a group lies inside the group's frame, below its title.
TEST_F(OptionsBox, ControlsStayInsideTheirGroups) {
    Box->show();
    auto* pages = Find<QTabWidget>("PageControl1");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        for (QGroupBox* group : pages->widget(page)->findChildren<QGroupBox*>()) {
            const QRect inside = group->contentsRect();
            for (QWidget* control : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                EXPECT_TRUE(inside.contains(control->geometry()))
                    << group->objectName().toStdString() << ": "
                    << control->objectName().toStdString() << " "
                    << control->property("text").toString().toStdString() << " at " << control->y()
                    << ".." << control->geometry().bottom() << " outside " << inside.top() << ".."
                    << inside.bottom();
            }
        }
    }
}

// The tick marks under each speed bar: one per speed, clearly darker than the dialog, the
// same on all four bars, whichever has the keyboard focus.
TEST_F(OptionsBox, AllFourSpeedBarsShowTheirTicks) {
    Box->show();
    Find<QTabWidget>("PageControl1")->setCurrentIndex(1);
    Find<QSlider>("AppearBar")->setFocus();
    const int background = qGray(Box->palette().color(QPalette::Window).rgb());
    for (const char* name : {"AppearBar", "MoveBar", "ChooseBar", "DelBar"}) {
        QSlider* bar = Find<QSlider>(name);
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.tickPosition = bar->tickPosition();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->value();
        const QRect handle =
            bar->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, bar);
        const QImage picture = bar->grab().toImage();
        std::set<int> tickColumns;
        for (int y = handle.bottom() + 1; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (background - qGray(picture.pixel(x, y)) >= 96) {
                    tickColumns.insert(x);
                }
            }
        }
        int ticks = 0;
        for (int x : tickColumns) {
            ticks += tickColumns.count(x - 1) == 0 ? 1 : 0;
        }
        EXPECT_EQ(ticks, 10) << name;
    }
}

TEST_F(OptionsBox, ShowsTheCurrentChoices) {
    auto* skins = Find<QComboBox>("SkinsList");
    ASSERT_EQ(skins->count(), 3);
    EXPECT_EQ(skins->itemText(0), "alpha");
    EXPECT_EQ(skins->itemText(1), "Buttons");
    EXPECT_EQ(skins->itemText(2), "Zeta");
    EXPECT_EQ(skins->currentText(), "SolidColours") << "the skin's own name";
    EXPECT_EQ(Find<QLabel>("SkinName")->text(), "SolidColours");
    EXPECT_EQ(Find<QLabel>("SkinAuthor")->text(), "Test Suite");
    EXPECT_EQ(Find<QLabel>("SkinVer")->text(), "1");
    EXPECT_EQ(Find<QSlider>("AppearBar")->value(), 1);
    EXPECT_EQ(Find<QSlider>("ChooseBar")->value(), 2);
    EXPECT_EQ(Find<QSlider>("MoveBar")->value(), 3);
    EXPECT_EQ(Find<QSlider>("DelBar")->value(), 4);
    EXPECT_EQ(Find<QComboBox>("MoveSnd")->currentText(), "Sound2");
    EXPECT_EQ(Find<QComboBox>("DelSnd")->currentText(), "Sound3");
    EXPECT_TRUE(Find<QCheckBox>("EnbleSnd")->isChecked());
}

TEST_F(OptionsBox, ControlsWriteIntoTheGameAtOnce) {
    Find<QSlider>("MoveBar")->setValue(9);
    Find<QSlider>("AppearBar")->setValue(0);
    EXPECT_EQ(Game.Speeds.Moving, 9);
    EXPECT_EQ(Game.Speeds.Appearance, 0);
    Find<QComboBox>("ErrSnd")->setCurrentIndex(2);
    EXPECT_EQ(Game.SoundChoices[static_cast<int>(TSound::Error)], 2);
    Find<QComboBox>("ErrSnd")->setCurrentIndex(-1);
    EXPECT_EQ(Game.SoundChoices[static_cast<int>(TSound::Error)], 2) << "no item: unchanged";
    QTest::mouseClick(Find<QCheckBox>("EnbleSnd"), Qt::LeftButton);
    EXPECT_FALSE(Game.SoundsOn);
    EXPECT_TRUE(Sound.Played.empty());
}

TEST_F(OptionsBox, PreviewButtonsPlayTheListedSoundWhateverTheSwitch) {
    Game.SoundsOn = false;
    Find<QComboBox>("ChSnd")->setCurrentIndex(1);
    Find<QPushButton>("ChPic")->click();
    Find<QComboBox>("ChSnd")->setCurrentIndex(-1);
    Find<QPushButton>("ChPic")->click();
    Find<QPushButton>("ErrPic")->click();
    EXPECT_EQ(Sound.Played, (std::vector<std::string>{"Sfx\\Selecting2.wav", "Sfx\\Selecting1.wav",
                                                      "Sfx\\Error1.wav"}));
    // The buttons show only a loudspeaker; their names say what they play.
    EXPECT_EQ(Find<QPushButton>("ChPic")->accessibleName(), "Play the choosing sound");
    EXPECT_EQ(Find<QPushButton>("MvPic")->accessibleName(), "Play the moving sound");
    EXPECT_EQ(Find<QPushButton>("DelPic")->accessibleName(), "Play the deleting sound");
    EXPECT_EQ(Find<QPushButton>("ErrPic")->accessibleName(), "Play the error sound");
}

TEST_F(OptionsBox, PickingASkinReplacesTheCacheAtOnce) {
    auto* skins = Find<QComboBox>("SkinsList");
    emit skins->activated(2);
    EXPECT_FALSE(Folder.Exists("Gfx\\Cache\\skin.cfg")) << "the cache was cleared";
    ASSERT_EQ(Messages.Shown.size(), 1U);
    EXPECT_EQ(Messages.Shown[0].Text,
              "Can not open skin.\nFile may be corrupted or    unsupported format.\nTry to "
              "reinstall skin.");
    EXPECT_EQ(Messages.Shown[0].Caption, "Skin extract error");
}

// An installed game lists its shipped skins with the player's own, once each, and picking
// one unpacks it from wherever it lies.
TEST_F(OptionsBox, ListsShippedAndOwnSkinsTogetherAndUnpacksFromWhereTheyLie) {
    const std::filesystem::path shipped = Folder.Path("Shipped\\Gfx\\Skins");
    std::filesystem::create_directories(shipped);
    testskin::Write(Folder.Path("Marble"), testskin::Data("Marble"));
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_TRUE(PackSkinFolder(Folder.Path("Marble"), shipped / "Marble.lsk", out, err));
    Folder.Write("Shipped\\Gfx\\Skins\\Buttons.lsk", "shipped, hidden by the player's");
    TLoader loader(Messages, {shipped, Folder.Path("Gfx\\Skins")});
    ASSERT_TRUE(loader.ReadSkinConfig());
    TOptionsBox box(Game, loader, Desktop, Messages, Sound, nullptr);
    auto* skins = box.findChild<QComboBox*>(QStringLiteral("SkinsList"));
    ASSERT_NE(skins, nullptr);
    QStringList names;
    for (int item = 0; item < skins->count(); ++item) {
        names.append(skins->itemText(item));
    }
    EXPECT_EQ(names, (QStringList{"alpha", "Buttons", "Marble", "Zeta"}));
    emit skins->activated(2);
    EXPECT_TRUE(Messages.Shown.empty());
    ASSERT_TRUE(loader.ReadSkinConfig());
    EXPECT_EQ(loader.SkinData().SkinName, "Marble");
}

TEST_F(OptionsBox, PickingOpensTheVeryFileThatWasListed) {
    const std::filesystem::path unpacked = Folder.Root / "unpacked";
    testskin::Write(unpacked, testskin::Data("Neon"));
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_TRUE(PackSkinFolder(unpacked, Folder.Path("Gfx\\Skins\\Neon.LSK"), out, err))
        << err.str();
    Box = std::make_unique<TOptionsBox>(Game, Loader, Desktop, Messages, Sound, nullptr);
    auto* skins = Find<QComboBox>("SkinsList");
    const int neon = skins->findText("Neon");
    ASSERT_EQ(neon, 2) << "sorted among alpha, Buttons and Zeta";
    emit skins->activated(neon);
    EXPECT_TRUE(Messages.Shown.empty()) << Messages.Shown.front().Text;
    ASSERT_TRUE(Loader.ReadSkinConfig());
    EXPECT_EQ(Loader.SkinData().SkinName, "Neon");
}

TEST_F(OptionsBox, LinksAndEscape) {
    Find<QPushButton>("Button3")->click();
    EXPECT_EQ(Desktop.Help, std::vector<std::string>{"VyxLinesHelp.chm::Program UI.htm"});
    Find<QPushButton>("MoreSkins")->click();
    EXPECT_EQ(Desktop.Urls, std::vector<std::string>{std::string(MakerDownloadsPage)});
    Box->show();
    QTest::keyClick(Box.get(), Qt::Key_Escape);
    EXPECT_TRUE(Box->isVisible()) << "no button answers Escape";
    Find<QPushButton>("Button1")->click();
    EXPECT_FALSE(Box->isVisible());
}

}  // namespace
