#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "app/CommandLine.h"

namespace {

std::optional<int> Answer(std::vector<const char*> arguments, std::ostringstream& out) {
    arguments.insert(arguments.begin(), "vyxlines");
    std::vector<char*> argv;
    for (const char* argument : arguments) {
        argv.push_back(const_cast<char*>(argument));
    }
    return AnswerCommandLine(argv, out);
}

}  // namespace

// --help and --version answer and end the program; whatever else the command line holds
// is the window system's (such as -platform) and starts the game, printing nothing.
TEST(CommandLine, HelpAndVersionAnswerEverythingElseStartsTheGame) {
    std::ostringstream help;
    EXPECT_EQ(Answer({"--help"}, help), 0);
    EXPECT_EQ(help.str().rfind("Usage: vyxlines [--help | --version]\n", 0), 0U) << help.str();
    EXPECT_NE(help.str().find("$XDG_DATA_HOME/vyx-zeziz/"), std::string::npos);

    std::ostringstream version;
    EXPECT_EQ(Answer({"-platform", "xcb", "--version"}, version), 0);
    EXPECT_THAT(version.str(), testing::MatchesRegex("Vyx Zeziz [0-9]+\\.[0-9]+\n"));

    std::ostringstream nothing;
    EXPECT_EQ(Answer({}, nothing), std::nullopt);
    EXPECT_EQ(Answer({"-platform", "offscreen"}, nothing), std::nullopt);
    EXPECT_TRUE(nothing.str().empty());
}
