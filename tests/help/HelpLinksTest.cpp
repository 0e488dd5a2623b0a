#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "HelpFiles.h"

using namespace HelpFiles;

namespace {

// The page the Options dialog's Help button opens, by this exact name.
const std::string OptionsTopic = "Program UI.htm";

std::set<std::string> PageSet() {
    const std::vector<std::string> pages = PageNames();
    return {pages.begin(), pages.end()};
}

// Checks that a link from `from` leads to a page of the help (and to an anchor that page
// defines); file names are compared exactly, since a browser on Linux tells capitals apart.
void ExpectLinkResolves(const std::string& from, const std::string& link) {
    const TLink split = SplitLink(link);
    const std::string page = split.Page.empty() ? from : split.Page;
    SCOPED_TRACE(from + " -> " + link);
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(SourceFolder())) {
        files.insert(entry.path().filename().string());
    }
    ASSERT_EQ(files.count(page), 1U) << "no such file in help/";
    if (!split.Anchor.empty()) {
        EXPECT_EQ(Anchors(Read(SourceFolder() / page)).count(split.Anchor), 1U)
            << "the page defines no anchor \"" << split.Anchor << "\"";
    }
}

}  // namespace

TEST(HelpPages, EveryLinkOfEveryPageLeadsToAPageAndAnchorThatExist) {
    const std::vector<std::string> pages = PageNames();
    ASSERT_GE(pages.size(), 10U);
    for (const std::string& page : pages) {
        const std::string html = Read(SourceFolder() / page);
        std::vector<std::string> links = AttributeValues(html, "href");
        const std::vector<std::string> sources = AttributeValues(html, "src");
        links.insert(links.end(), sources.begin(), sources.end());
        EXPECT_FALSE(links.empty()) << page << " links nowhere";
        for (const std::string& link : links) {
            // The help is read offline, from the game folder: it links only its own files.
            EXPECT_FALSE(IsExternal(link)) << page << " leaves the help: " << link;
            if (!IsExternal(link)) {
                ExpectLinkResolves(page, link);
            }
        }
    }
}

TEST(HelpPages, ContentsIndexAndProjectCoverEveryPage) {
    const std::set<std::string> pages = PageSet();
    ASSERT_EQ(pages.count(OptionsTopic), 1U);

    std::set<std::string> inContents;
    for (const std::string& target : SitemapTargets(Read(SourceFolder() / "VyxLinesHelp.hhc"))) {
        ExpectLinkResolves("VyxLinesHelp.hhc", target);
        inContents.insert(SplitLink(target).Page);
    }
    EXPECT_EQ(inContents, pages) << "the contents must list every page, and only pages";

    const std::vector<std::string> keywords =
        SitemapTargets(Read(SourceFolder() / "VyxLinesHelp.hhk"));
    EXPECT_FALSE(keywords.empty());
    for (const std::string& target : keywords) {
        ExpectLinkResolves("VyxLinesHelp.hhk", target);
    }

    const std::string project = Read(SourceFolder() / "VyxLinesHelp.hhp");
    const std::vector<std::string> files = ProjectSection(project, "FILES");
    std::set<std::string> expected = pages;
    expected.insert("help.css");
    EXPECT_EQ(std::set<std::string>(files.begin(), files.end()), expected);
}

TEST(HelpPages, StartPageAndOptionsTopicAreWhereTheGameLooks) {
    const std::string project = Read(SourceFolder() / "VyxLinesHelp.hhp");
    const std::vector<std::string> options = ProjectSection(project, "OPTIONS");
    const auto has = [&](const std::string& line) {
        return std::find(options.begin(), options.end(), line) != options.end();
    };
    EXPECT_TRUE(has("Compiled file=VyxLinesHelp.chm"));
    EXPECT_TRUE(has("Default topic=index.htm"));
    // The Options dialog opens its topic in the help window named "main".
    const std::vector<std::string> windows = ProjectSection(project, "WINDOWS");
    ASSERT_EQ(windows.size(), 1U);
    EXPECT_EQ(windows[0].rfind("main=", 0), 0U);

    // Without a help viewer the browser shows index.htm, with no contents pane beside it:
    // the start page itself must lead to every other page.
    std::set<std::string> linked;
    for (const std::string& link : AttributeValues(Read(SourceFolder() / "index.htm"), "href")) {
        linked.insert(SplitLink(link).Page);
    }
    for (const std::string& page : PageNames()) {
        if (page != "index.htm") {
            EXPECT_EQ(linked.count(page), 1U) << "index.htm does not link " << page;
        }
    }
}

TEST(HelpPages, PagesArePlainHtmlForTheOldHelpViewer) {
    for (const std::string& page : PageNames()) {
        SCOPED_TRACE(page);
        const std::string html = Read(SourceFolder() / page);
        EXPECT_EQ(html.rfind("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01", 0), 0U);
        EXPECT_NE(html.find("<title>"), std::string::npos);
        EXPECT_NE(html.find("href=\"help.css\""), std::string::npos);
        std::string lower = html;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        EXPECT_EQ(lower.find("<script"), std::string::npos);
        EXPECT_EQ(lower.find("javascript:"), std::string::npos);
        // The pages declare Latin-1; plain ASCII with entities reads the same everywhere.
        EXPECT_TRUE(std::all_of(html.begin(), html.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    }
}
