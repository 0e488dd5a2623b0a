#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "RarWriter.h"
#include "SkinTool.h"
#include "skinformat/SkinConfig.h"
#include "support/BmpHeader.h"
#include "support/GameFolder.h"
#include "support/TreeListing.h"

namespace fs = std::filesystem;

namespace {

// A tiny skin the game can show: cells of 4 x 4 with gaps of 1, a window of 80 x 60.
TSkinData TinySkin() {
    TSkinData skin;
    skin.SkinName = "Tiny";
    skin.SkinAuthor = "Test Maker";
    skin.SkinVersion = "1.0";
    skin.ImageFiles = {"back.bmp",   "cell.bmp",   "strip1.bmp", "strip2.bmp",
                       "strip3.bmp", "strip4.bmp", "strip5.bmp", "strip6.bmp",
                       "score.bmp",  "clock.bmp",  "next.bmp"};
    const std::vector<int32_t> layout{80, 60, 2,  1, 4, 4, 1, 1,  2,  2,  50, 10, 3,
                                      5,  4,  50, 2, 3, 5, 4, 50, 50, 20, 4,  4};
    for (int i = 0; i < TSkinLayout::Count; ++i) {
        skin.Layout[i] = layout[static_cast<std::size_t>(i)];
    }
    return skin;
}

QSize PictureSize(TSkinImage image) {
    switch (image) {
        case TSkinImage::Background:
            return {80, 60};
        case TSkinImage::EmptyCell:
            return {4, 4};
        case TSkinImage::ScoreDigits:
        case TSkinImage::ClockDigits:
            return {30, 5};
        case TSkinImage::PreviewBalls:
            return {24, 4};
        default:
            return {52, 12};
    }
}

void DrawPicture(const fs::path& file, QSize size, const char* format = "BMP") {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(40, 120, 200));
    ASSERT_TRUE(picture.save(QFile::decodeName(file.c_str()), format)) << file;
}

void WriteConfig(const fs::path& folder, const TSkinData& skin) {
    ASSERT_TRUE(WriteFileAtomically(folder / "skin.cfg", FormatSkinConfig(skin)));
}

void DrawSkin(const fs::path& folder, const TSkinData& skin = TinySkin()) {
    fs::create_directories(folder);
    WriteConfig(folder, skin);
    for (int i = 0; i < SkinImageCount; ++i) {
        const auto image = static_cast<TSkinImage>(i);
        DrawPicture(folder / skin.ImageFile(image), PictureSize(image));
    }
}

std::vector<std::string> Lines(const std::string& text, std::string_view start) {
    std::vector<std::string> found;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(start)) {
            found.push_back(line);
        }
    }
    return found;
}

class SkinToolTest : public testing::Test {
protected:
    int Run(const std::vector<std::string>& arguments) {
        Out.str("");
        Err.str("");
        return RunSkinTool(arguments, Out, Err);
    }
    std::string Path(std::string_view gamePath) const { return Folder.Path(gamePath).string(); }

    TGameFolder Folder;
    std::ostringstream Out;
    std::ostringstream Err;
};

TEST_F(SkinToolTest, PacksListsAndChecksASkinTheGameCanShow) {
    DrawSkin(Folder.Path("Tiny"));
    ASSERT_EQ(Run({"pack", Path("Tiny"), Path("Gfx\\Skins\\Tiny.lsk")}), 0) << Err.str();
    EXPECT_NE(Out.str().find("Packed 12 files"), std::string::npos) << Out.str();

    ASSERT_EQ(Run({"list", Path("Gfx\\Skins\\Tiny.lsk")}), 0) << Err.str();
    std::vector<std::string> listed;
    std::istringstream in(Out.str());
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "      Size  Name");
    while (std::getline(in, line) && line.starts_with("  ")) {
        std::istringstream fields(line);
        int64_t size = 0;
        std::string name;
        fields >> size >> name;
        EXPECT_EQ(size, static_cast<int64_t>(fs::file_size(Folder.Path("Tiny") / name))) << name;
        listed.push_back(name);
    }
    EXPECT_EQ(line.substr(0, 10), "12 files, ");
    const std::vector<std::string> expected{"back.bmp",   "cell.bmp",   "clock.bmp",  "next.bmp",
                                            "score.bmp",  "skin.cfg",   "strip1.bmp", "strip2.bmp",
                                            "strip3.bmp", "strip4.bmp", "strip5.bmp", "strip6.bmp"};
    EXPECT_EQ(listed, expected);

    for (const std::string& target : {Path("Gfx\\Skins\\Tiny.lsk"), Path("Tiny")}) {
        EXPECT_EQ(Run({"check", target}), 0) << Out.str();
        EXPECT_EQ(Out.str(), target + ": the skin passes.\n");
    }
    EXPECT_EQ(TreeBelow(Folder.Path("Gfx\\Cache")), std::vector<std::string>{});
}

struct TFault {
    std::string Name;
    std::function<void(const fs::path& skin)> Make;
    std::string Expected;  // the start of the one message
};

TEST_F(SkinToolTest, CheckNamesEveryFaultAndWhatToChange) {
    const auto changeLayout = [](std::function<void(TSkinLayout&)> change) {
        return [change](const fs::path& folder) {
            TSkinData skin = TinySkin();
            change(skin.Layout);
            WriteConfig(folder, skin);
        };
    };
    const std::vector<TFault> faults{
        {"missing picture", [](const fs::path& f) { fs::remove(f / "strip3.bmp"); },
         "error: strip3.bmp (ball strip 3): missing: add the picture or correct its name"},
        {"not a bitmap",
         [](const fs::path& f) {
             DrawPicture(f / "cell.bmp", {4, 4}, "PNG");
         },
         "error: cell.bmp (empty cell): not a readable Windows BMP file"},
        {"strip of the wrong size",
         [](const fs::path& f) {
             DrawPicture(f / "strip2.bmp", {50, 12});
         },
         "error: strip2.bmp (ball strip 2): 50 x 12 pixels; it must be exactly 52 x 12, 13 x 3 "
         "cells of CellWidth x CellHeight = 4 x 4: redraw it at that size or correct CellWidth "
         "and CellHeight in skin.cfg."},
        {"strip too large",
         [](const fs::path& f) {
             DrawPicture(f / "strip6.bmp", {52, 13});
         },
         "error: strip6.bmp (ball strip 6): 52 x 13 pixels; it must be exactly 52 x 12"},
        {"empty cell too small",
         [](const fs::path& f) {
             DrawPicture(f / "cell.bmp", {4, 3});
         },
         "error: cell.bmp (empty cell): 4 x 3 pixels; it must be at least 4 x 4"},
        {"score digits too narrow",
         [](const fs::path& f) {
             DrawPicture(f / "score.bmp", {29, 5});
         },
         "error: score.bmp (score digits): 29 x 5 pixels; it must be at least 30 x 5, ten digits "
         "of ScoreDigitWidth x ScoreDigitHeight = 3 x 5 side by side"},
        {"clock digits too low",
         [](const fs::path& f) {
             DrawPicture(f / "clock.bmp", {30, 4});
         },
         "error: clock.bmp (clock digits): 30 x 4 pixels; it must be at least 30 x 5"},
        {"preview too narrow",
         [](const fs::path& f) {
             DrawPicture(f / "next.bmp", {23, 4});
         },
         "error: next.bmp (preview balls): 23 x 4 pixels; it must be at least 24 x 4, six balls"},
        {"hit bands beside the cells", changeLayout([](TSkinLayout& l) { l.BoardLeft = 3; }),
         "error: skin.cfg: BoardLeft is 3 but BoardDrawLeft is 2; mouse presses would land beside "
         "the drawn cells: set BoardLeft to 2."},
        {"hit bands below the cells", changeLayout([](TSkinLayout& l) { l.BoardTop = 2; }),
         "error: skin.cfg: BoardTop + CellGapY is 2 + 1 = 3 but BoardDrawTop is 2; mouse presses "
         "would land above or below the drawn cells: set BoardTop to 1 (BoardDrawTop - "
         "CellGapY)."},
        {"board outside", changeLayout([](TSkinLayout& l) { l.BoardDrawLeft = l.BoardLeft = 36; }),
         "error: skin.cfg: the board's 81 cells take x 37 to 80 and y 2 to 45, outside the "
         "background picture back.bmp (80 x 60 pixels): correct BoardDrawLeft, BoardDrawTop, "
         "CellWidth, CellHeight, CellGapX or CellGapY."},
        {"board above", changeLayout([](TSkinLayout& l) {
             l.BoardDrawTop = -1;
             l.BoardTop = -2;
         }),
         "error: skin.cfg: the board's 81 cells take x 3 to 46 and y -1 to 42"},
        {"score outside", changeLayout([](TSkinLayout& l) { l.ScoreDigitStep = 7; }),
         "error: skin.cfg: the five score digits take x 50 to 80 and y 2 to 6"},
        {"clock outside", changeLayout([](TSkinLayout& l) { l.ClockTop = 56; }),
         "error: skin.cfg: the clock's digits take x 50 to 68 and y 56 to 60"},
        {"four preview balls outside", changeLayout([](TSkinLayout& l) { l.PreviewLeft4 = 66; }),
         "error: skin.cfg: the four preview balls (Hard) take x 66 to 81 and y 20 to 23, outside "
         "the background picture back.bmp (80 x 60 pixels): correct PreviewLeft4, PreviewTop, "
         "PreviewBallWidth or PreviewBallHeight."},
        {"three preview balls outside", changeLayout([](TSkinLayout& l) { l.PreviewLeft3 = -1; }),
         "error: skin.cfg: the three preview balls (Easy and Medium) take x -1 to 10"},
        {"value beyond its limit", changeLayout([](TSkinLayout& l) { l.CellHeight = 129; }),
         "error: skin.cfg: the game refuses it: CellHeight is 129, outside the 1 to 128 pixels the "
         "game takes for it."},
        {"picture beyond its limit",
         [](const fs::path& f) {
             ASSERT_TRUE(WriteFileAtomically(f / "strip4.bmp", BmpHeaderOnly(60000, 12)));
         },
         "error: strip4.bmp (ball strip 4): 60000 x 12 pixels, larger than the game loads for the "
         "ball strip 4 (at most 1664 x 384 pixels"},
        {"no configuration", [](const fs::path& f) { fs::remove(f / "skin.cfg"); },
         "error: skin.cfg: missing: every skin needs its configuration file"},
        {"configuration refused",
         [](const fs::path& f) { WriteFileAtomically(f / "skin.cfg", "three short words"); },
         "error: skin.cfg: the game refuses it: skin.cfg holds 3 words; it needs at least 87."},
        {"no picture named .bmp",
         [](const fs::path& f) {
             TSkinData skin = TinySkin();
             for (std::string& name : skin.ImageFiles) {
                 const std::string renamed = name.substr(0, name.size() - 4) + ".pic";
                 fs::rename(f / name, f / renamed);
                 name = renamed;
             }
             WriteConfig(f, skin);
         },
         "error: Skin: no file name ends in \".bmp\", so the game drops the skin"},
    };
    for (const TFault& fault : faults) {
        const fs::path skin = Folder.Path("Skin");
        fs::remove_all(skin);
        DrawSkin(skin);
        fault.Make(skin);
        EXPECT_EQ(Run({"check", "Skin"}), 1) << fault.Name << "\n" << Out.str();
        const std::vector<std::string> errors = Lines(Out.str(), "error: ");
        ASSERT_EQ(errors.size(), 1U) << fault.Name << "\n" << Out.str();
        EXPECT_TRUE(errors[0].starts_with(fault.Expected)) << fault.Name << "\n" << errors[0];
        EXPECT_TRUE(
            Out.str().ends_with("Skin: 1 error; the game cannot show this skin as it is.\n"))
            << Out.str();
    }
}

TEST_F(SkinToolTest, NamesInAnyCaseAreFoundAsTheGameFindsThem) {
    DrawSkin(Folder.Path("Tiny"));
    fs::rename(Folder.Path("Tiny\\next.bmp"), Folder.Path("Tiny\\Next.BMP"));
    fs::rename(Folder.Path("Tiny\\skin.cfg"), Folder.Path("Tiny\\SKIN.CFG"));
    for (const std::string& target : {std::string("Tiny"), std::string("Gfx/Skins/Tiny.lsk")}) {
        if (target.ends_with(".lsk")) {
            ASSERT_EQ(Run({"pack", "Tiny", target}), 0) << Err.str();
        }
        EXPECT_EQ(Run({"check", target}), 0) << Out.str();
        EXPECT_EQ(Out.str(), target + ": the skin passes.\n");
    }
}

TEST_F(SkinToolTest, ABackgroundOtherThanTheWindowIsAWarning) {
    DrawSkin(Folder.Path("Skin"));
    DrawPicture(Folder.Path("Skin\\back.bmp"), {81, 60});
    EXPECT_EQ(Run({"check", "Skin"}), 0);
    EXPECT_EQ(Out.str(),
              "warning: back.bmp (background): the background is 81 x 60 pixels but the window is "
              "WindowWidth x "
              "WindowHeight = 80 x 60; the game draws the background at its own size, so the "
              "window shows a bare margin or cuts the picture off: make the two sizes equal.\n"
              "Skin: the skin passes, with 1 warning.\n");

    // Without a readable background the elements are held against the window.
    fs::remove(Folder.Path("Skin\\back.bmp"));
    TSkinData skin = TinySkin();
    skin.Layout.ScoreTop = 58;
    WriteConfig(Folder.Path("Skin"), skin);
    EXPECT_EQ(Run({"check", "Skin"}), 1);
    EXPECT_EQ(Lines(Out.str(), "error: ").size(), 2U) << Out.str();
    EXPECT_NE(Out.str().find("outside the window (WindowWidth x WindowHeight) (80 x 60 pixels)"),
              std::string::npos)
        << Out.str();
}

TEST_F(SkinToolTest, CheckSeesAPackageAsTheGameDoes) {
    Folder.Write("Gfx\\Skins\\Text.lsk", "not an archive");
    EXPECT_EQ(Run({"check", Path("Gfx\\Skins\\Text.lsk")}), 1);
    EXPECT_NE(Out.str().find("cannot be opened: it is missing, unreadable or not a RAR archive"),
              std::string::npos)
        << Out.str();
    EXPECT_EQ(Run({"check", Path("Gfx\\Skins\\Missing.lsk")}), 1);

    TRarWriter climbing;
    climbing.AddFile("skin.cfg", FormatSkinConfig(TinySkin()));
    climbing.AddFile("..\\evil.bmp", "x");
    Folder.Write("Gfx\\Skins\\Climbing.lsk", climbing.Finish());
    EXPECT_EQ(Run({"check", "Gfx/Skins/Climbing.lsk"}), 1);
    EXPECT_TRUE(Out.str().starts_with(
        "error: Gfx/Skins/Climbing.lsk: entry \"../evil.bmp\" cannot be unpacked: its name is "
        "absolute or climbs out of the skin folder with \"..\". The game stops unpacking there"))
        << Out.str();
    EXPECT_FALSE(Folder.Exists("evil.bmp"));

    TRarWriter huge;
    huge.AddUnusualEntry({"back.bmp", "x", TRarHostOs::Win32, 0x20, 100U << 20});
    Folder.Write("Gfx\\Skins\\Huge.lsk", huge.Finish());
    EXPECT_EQ(Run({"check", "Gfx/Skins/Huge.lsk"}), 1);
    EXPECT_NE(Out.str().find("it declares 104857600 bytes, over the game's limit of 64 MiB"),
              std::string::npos)
        << Out.str();

    DrawSkin(Folder.Path("Tiny"));
    ASSERT_EQ(Run({"pack", "Tiny", "Gfx/Skins/Tiny.lsk"}), 0);
    std::string damaged = Folder.Read("Gfx\\Skins\\Tiny.lsk");
    damaged[7 + 13 + 3] ^= 0x01;  // the first file header's flags
    Folder.Write("Gfx\\Skins\\Damaged.lsk", damaged);
    EXPECT_EQ(Run({"check", "Gfx/Skins/Damaged.lsk"}), 1);
    EXPECT_NE(Out.str().find("the header at its first entry is damaged"), std::string::npos)
        << Out.str();
    EXPECT_EQ(Run({"list", "Gfx/Skins/Damaged.lsk"}), 1);
    EXPECT_NE(Err.str().find("is damaged"), std::string::npos) << Err.str();

    // A picture the package lacks is found after unpacking, as the game would miss it.
    fs::remove(Folder.Path("Tiny\\clock.bmp"));
    ASSERT_EQ(Run({"pack", "Tiny", "Gfx/Skins/Tiny.lsk"}), 0);
    EXPECT_EQ(Run({"check", "Gfx/Skins/Tiny.lsk"}), 1);
    EXPECT_NE(Out.str().find("error: clock.bmp (clock digits): missing"), std::string::npos)
        << Out.str();
    EXPECT_EQ(TreeBelow(Folder.Path("Gfx\\Cache")), std::vector<std::string>{});
}

TEST_F(SkinToolTest, PackRefusesWhatTheGameWouldNotUnpack) {
    EXPECT_EQ(Run({"pack", "Nowhere", "Gfx/Skins/Nowhere.lsk"}), 1);
    EXPECT_NE(Err.str().find("Nowhere is not a folder"), std::string::npos) << Err.str();

    fs::create_directories(Folder.Path("Empty"));
    EXPECT_EQ(Run({"pack", "Empty", "Gfx/Skins/Empty.lsk"}), 1);
    EXPECT_NE(Err.str().find("Empty holds no files to pack"), std::string::npos) << Err.str();
    EXPECT_FALSE(Folder.Exists("Gfx\\Skins\\Empty.lsk"));

    DrawSkin(Folder.Path("Big"));
    Folder.Write("Gfx\\Skins\\Big.lsk", "the old package");
    fs::resize_file(Folder.Path("Big\\back.bmp"), (64U << 20) + 1);  // sparse: quick to make
    EXPECT_EQ(Run({"pack", "Big", "Gfx/Skins/Big.lsk"}), 1);
    EXPECT_NE(Err.str().find("back.bmp holds 67108865 bytes; the game unpacks no file over 64 MiB"),
              std::string::npos)
        << Err.str();
    EXPECT_EQ(Folder.Read("Gfx\\Skins\\Big.lsk"), "the old package");

    // Packing into the skin's own folder leaves the old package out of the new one.
    DrawSkin(Folder.Path("Own"));
    ASSERT_EQ(Run({"pack", "Own", "Own/Own.lsk"}), 0);
    ASSERT_EQ(Run({"pack", "Own", "Own/Own.lsk"}), 0);
    ASSERT_EQ(Run({"list", "Own/Own.lsk"}), 0);
    EXPECT_EQ(Out.str().find("Own.lsk"), std::string::npos) << Out.str();
    EXPECT_EQ(Run({"check", "Own/Own.lsk"}), 0) << Out.str();
}

// --help and --version answer on standard output and end with 0 wherever they stand, as
// the game's do, before any command runs; anything else unknown is a usage error.
TEST_F(SkinToolTest, ExplainsItsUsage) {
    for (const std::vector<std::string>& asked : std::vector<std::vector<std::string>>{
             {"--help"}, {"-h"}, {"help"}, {"pack", "--help"}, {"check", "Missing.lsk", "-h"}}) {
        EXPECT_EQ(Run(asked), 0) << asked.back();
        EXPECT_TRUE(Out.str().starts_with("Usage: vyx-skin <command> <arguments>\n")) << Out.str();
        for (const char* command : {"pack <folder> <package.lsk>", "list <package.lsk>",
                                    "check <package.lsk or folder>", "--version"}) {
            EXPECT_NE(Out.str().find(command), std::string::npos) << command;
        }
        EXPECT_EQ(Err.str(), "");
    }
    for (const std::vector<std::string>& asked : std::vector<std::vector<std::string>>{
             {"--version"}, {"list", "Missing.lsk", "--version"}}) {
        EXPECT_EQ(Run(asked), 0);
        EXPECT_THAT(Out.str(), testing::MatchesRegex("vyx-skin \\(Vyx Zeziz\\) [0-9]+\\.[0-9]+\n"));
        EXPECT_EQ(Err.str(), "");
    }

    EXPECT_EQ(Run({}), 2);
    EXPECT_TRUE(Err.str().starts_with("Usage: vyx-skin")) << Err.str();

    for (const std::vector<std::string>& wrong :
         std::vector<std::vector<std::string>>{{"unpack", "x.lsk"},
                                               {"--verbose"},
                                               {"pack", "folder"},
                                               {"list"},
                                               {"check", "a", "b"}}) {
        EXPECT_EQ(Run(wrong), 2) << wrong[0];
        EXPECT_NE(Err.str().find("Run \"vyx-skin --help\" for the commands."), std::string::npos)
            << Err.str();
        EXPECT_EQ(Out.str(), "");
    }
}

}  // namespace
