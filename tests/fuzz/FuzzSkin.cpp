#include "FuzzSkin.h"

#include "RarWriter.h"
#include "platform/FileSystem.h"
#include "support/TestSkin.h"

TSkinData FuzzSkinData() {
    TSkinData skin = testskin::Data("Fuzz");
    TSkinLayout& l = skin.Layout;
    l.WindowWidth = 60;
    l.WindowHeight = 72;
    l.CellWidth = 4;
    l.CellHeight = 4;
    l.CellGapX = 1;
    l.CellGapY = 1;
    l.BoardDrawLeft = 6;
    l.BoardDrawTop = 22;
    l.BoardLeft = 6;
    l.BoardTop = 21;
    l.ClockLeft = 34;
    l.ClockTop = 2;
    l.ClockDigitWidth = 3;
    l.ClockDigitHeight = 5;
    l.ClockDigitStep = 4;
    l.ScoreLeft = 2;
    l.ScoreTop = 2;
    l.ScoreDigitWidth = 3;
    l.ScoreDigitHeight = 5;
    l.ScoreDigitStep = 4;
    l.PreviewLeft3 = 20;
    l.PreviewLeft4 = 18;
    l.PreviewTop = 12;
    l.PreviewBallWidth = 4;
    l.PreviewBallHeight = 4;
    return skin;
}

void WriteFuzzSkin(const std::filesystem::path& folder) {
    testskin::Write(folder, FuzzSkinData());
}

std::string FuzzSkinPackage(const std::filesystem::path& skinFolder) {
    TRarWriter writer;
    writer.AddFile("skin.cfg", ReadWholeFile(skinFolder / "skin.cfg").value_or(""));
    for (const std::string& file : FuzzSkinData().ImageFiles) {
        writer.AddFile(file, ReadWholeFile(skinFolder / file).value_or(""));
    }
    return writer.Finish();
}
