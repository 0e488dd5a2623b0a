#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <vector>

#include "skinformat/SkinConfig.h"

namespace {

TSkinData SampleSkin() {
    TSkinData skin;
    skin.SkinName = "Buttons";
    skin.SkinAuthor = "Vyx Games";
    skin.SkinVersion = "1.0";
    skin.ImageFiles = {"back.bmp",   "cell.bmp", "red.bmp",   "green.bmp", "blue.bmp", "yellow.bmp",
                       "purple.bmp", "cyan.bmp", "score.bmp", "clock.bmp", "next.bmp"};
    for (int i = 0; i < TSkinLayout::Count; ++i) {
        skin.Layout[i] = 10 + i;
    }
    return skin;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

std::string Join(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += word + "\n";
    }
    return text;
}

TEST(SkinConfig, WrittenConfigurationReadsBackWordForWord) {
    const TSkinData skin = SampleSkin();
    const std::string text = FormatSkinConfig(skin);
    const std::vector<std::string> words = Words(text);
    ASSERT_EQ(words.size(), 88U);
    EXPECT_EQ(words[7], "Buttons");
    EXPECT_EQ(words[9], "Vyx");
    EXPECT_EQ(words[10], "Games");
    EXPECT_EQ(words[12], "1.0");
    EXPECT_EQ(words[15], "back.bmp");
    EXPECT_EQ(words[33], "clock.bmp");
    EXPECT_EQ(words[35], "next.bmp");
    EXPECT_EQ(words[38], "10");
    EXPECT_EQ(words[86], "34");
    EXPECT_EQ(text.find("\n\n"), std::string::npos) << "lines end in CR LF";

    const TSkinConfigResult result = ParseSkinConfig(text);
    ASSERT_TRUE(result.Data) << result.Problem;
    EXPECT_EQ(result.Data->SkinName, "Buttons");
    EXPECT_EQ(result.Data->SkinAuthor, "Vyx Games");
    EXPECT_EQ(result.Data->SkinVersion, "1.0");
    EXPECT_EQ(result.Data->ImageFiles, skin.ImageFiles);
    EXPECT_EQ(result.Data->Layout, skin.Layout);
    EXPECT_EQ(result.Data->Layout.WindowWidth, 10);
    EXPECT_EQ(result.Data->Layout.PreviewBallHeight, 34);
    EXPECT_EQ(result.Data->ImageFile(TSkinImage::ClockDigits), "clock.bmp");
}

TEST(SkinConfig, OnlyPositionsCountNotLabelsOrLines) {
    std::vector<std::string> words = Words(FormatSkinConfig(SampleSkin()));
    for (int i : {0, 8, 13, 36, 37, 85}) {
        words[i] = "anything";
    }
    words.pop_back();  // the closing word may be missing
    TSkinConfigResult result = ParseSkinConfig("\t" + Join(words));
    ASSERT_TRUE(result.Data) << result.Problem;
    EXPECT_EQ(result.Data->Layout.PreviewBallHeight, 34);

    words.push_back("closing");
    words.push_back("and");
    words.push_back("what-follows-is-ignored,-however-long-it-may-be-and-whatever-it-holds");
    EXPECT_TRUE(ParseSkinConfig(Join(words)).Data);
}

TEST(SkinConfig, OneWordAuthorShiftsEveryLaterWord) {
    std::vector<std::string> words = Words(FormatSkinConfig(SampleSkin()));
    words.erase(words.begin() + 10);  // "Games"
    // The label before the version becomes the author's second word and is too long for it.
    const TSkinConfigResult result = ParseSkinConfig(Join(words));
    EXPECT_FALSE(result.Data);
    EXPECT_NE(result.Problem.find("word 11"), std::string::npos) << result.Problem;

    // With labels short enough to fit, the shift shows as a layout word that is a label.
    words[10] = "Ver:";
    const TSkinConfigResult shifted = ParseSkinConfig(Join(words));
    EXPECT_FALSE(shifted.Data);
}

TEST(SkinConfig, DamagedConfigurationsAreRefused) {
    const std::vector<std::string> good = Words(FormatSkinConfig(SampleSkin()));
    const auto refused = [&](int index, const std::string& word) {
        std::vector<std::string> words = good;
        words[index] = word;
        return !ParseSkinConfig(Join(words)).Data;
    };
    EXPECT_TRUE(refused(38, "wide")) << "a layout value that is no number";
    EXPECT_TRUE(refused(38, "12px"));
    EXPECT_TRUE(refused(38, "99999999999"));
    EXPECT_FALSE(refused(38, "+12"));
    EXPECT_FALSE(refused(42, "-3")) << "a negative hit-test origin can still be drawn";
    EXPECT_TRUE(refused(7, std::string(20, 'n'))) << "a name longer than 19";
    EXPECT_FALSE(refused(7, std::string(19, 'n')));
    EXPECT_TRUE(refused(10, "Gamess")) << "an author's second word longer than 5";
    EXPECT_TRUE(refused(12, "1.0.0.0.10")) << "a version longer than 9";
    EXPECT_TRUE(refused(15, std::string(20, 'b'))) << "a file name longer than 19";
    EXPECT_TRUE(refused(15, "../escape.bmp"));
    EXPECT_TRUE(refused(15, "sub\\back.bmp"));
    EXPECT_TRUE(refused(0, std::string(50, 'x'))) << "a label longer than 49";
    EXPECT_FALSE(refused(0, std::string(49, 'x')));

    std::vector<std::string> cut = good;
    cut.resize(86);
    const TSkinConfigResult shortResult = ParseSkinConfig(Join(cut));
    EXPECT_FALSE(shortResult.Data);
    EXPECT_NE(shortResult.Problem.find("86"), std::string::npos);
    EXPECT_FALSE(ParseSkinConfig("").Data);
}

TEST(SkinConfig, LayoutsThatCannotBeDrawnOrHitAreRefused) {
    const auto withLayout = [](int index, int32_t value) {
        TSkinData skin = SampleSkin();
        skin.Layout[index] = value;
        return ParseSkinConfig(FormatSkinConfig(skin));
    };
    // CellWidth 14 and CellGapX -14: a hit band of no width.
    EXPECT_FALSE(withLayout(6, -14).Data);
    EXPECT_TRUE(withLayout(6, -13).Data);
    EXPECT_FALSE(withLayout(7, -15).Data);
    for (int size : {0, 1, 4, 5, 12, 13, 17, 18, 23, 24}) {
        EXPECT_FALSE(withLayout(size, 0).Data) << TSkinLayout::Name(size);
        EXPECT_FALSE(withLayout(size, -1).Data) << TSkinLayout::Name(size);
    }
    const TSkinConfigResult result = withLayout(17, 0);
    EXPECT_NE(result.Problem.find("ScoreDigitWidth"), std::string::npos) << result.Problem;
}

TEST(SkinConfig, EveryValueIsBoundedToWhatAScreenCanShow) {
    const auto withLayout = [](std::string_view name, int32_t value) {
        TSkinData skin = SampleSkin();
        for (int i = 0; i < TSkinLayout::Count; ++i) {
            if (TSkinLayout::Name(i) == name) {
                skin.Layout[i] = value;
            }
        }
        return ParseSkinConfig(FormatSkinConfig(skin));
    };
    const std::pair<std::string_view, std::pair<int32_t, int32_t>> bounds[] = {
        {"WindowWidth", {1, 4096}},        {"WindowHeight", {1, 4096}},
        {"CellWidth", {1, 128}},           {"CellHeight", {1, 128}},
        {"ClockDigitWidth", {1, 128}},     {"ScoreDigitHeight", {1, 128}},
        {"PreviewBallWidth", {1, 128}},    {"PreviewBallHeight", {1, 128}},
        {"BoardLeft", {-4096, 4096}},      {"CellGapX", {-13, 4096}},
        {"CellGapY", {-14, 4096}},         {"BoardDrawTop", {-4096, 4096}},
        {"ClockDigitStep", {-4096, 4096}}, {"ScoreLeft", {-4096, 4096}},
        {"PreviewLeft4", {-4096, 4096}},   {"PreviewTop", {-4096, 4096}},
    };
    for (const auto& [name, range] : bounds) {
        EXPECT_TRUE(withLayout(name, range.first).Data) << name << " " << range.first;
        EXPECT_TRUE(withLayout(name, range.second).Data) << name << " " << range.second;
        EXPECT_FALSE(withLayout(name, range.second + 1).Data) << name;
        EXPECT_FALSE(withLayout(name, std::numeric_limits<int32_t>::max()).Data) << name;
        EXPECT_FALSE(withLayout(name, std::numeric_limits<int32_t>::min()).Data) << name;
    }
    // The refusal names the value and what the game takes.
    EXPECT_EQ(withLayout("CellHeight", 5000).Problem,
              "CellHeight is 5000, outside the 1 to 128 pixels the game takes for it");
    EXPECT_EQ(withLayout("BoardTop", -4097).Problem,
              "BoardTop is -4097, outside the -4096 to 4096 pixels the game takes for it");
}

}  // namespace
