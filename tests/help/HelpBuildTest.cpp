#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "HelpFiles.h"

using namespace HelpFiles;
namespace fs = std::filesystem;

namespace {

const fs::path GameFolder = VYX_GAME_DIR;

}  // namespace

TEST(HelpBuild, GameFolderHoldsTheCurrentPagesForTheBrowser) {
    std::vector<std::string> files = PageNames();
    files.push_back("help.css");
    for (const std::string& name : files) {
        SCOPED_TRACE(name);
        const fs::path copy = GameFolder / "Help" / name;
        ASSERT_TRUE(fs::is_regular_file(copy));
        EXPECT_EQ(Read(copy), Read(SourceFolder() / name));
    }
}

TEST(HelpBuild, HelpFileHoldsEveryPage) {
    if (!VYX_HELP_CHM_BUILT) {
        GTEST_SKIP() << "chmcmd is not installed; the build makes no help file";
    }
    const std::string chm = Read(GameFolder / "VyxLinesHelp.chm");
    ASSERT_EQ(chm.rfind("ITSF", 0), 0U) << "not a compiled help file";
    // A help file's directory keeps the names of its files uncompressed, each with a
    // leading "/", so a page that went missing shows as a missing name.
    std::vector<std::string> files = PageNames();
    files.push_back("help.css");
    files.push_back("VyxLinesHelp.hhc");
    files.push_back("VyxLinesHelp.hhk");
    for (const std::string& name : files) {
        EXPECT_NE(chm.find("/" + name), std::string::npos) << name << " is not in the help file";
    }
    EXPECT_NE(chm.find("/Program UI.htm"), std::string::npos);
}
