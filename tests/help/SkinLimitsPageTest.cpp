#include <gtest/gtest.h>

#include <string>

#include "HelpFiles.h"
#include "skinformat/SkinConfig.h"

using namespace HelpFiles;

namespace {

// The part of the skin.cfg page that lists the limits, from its heading to the end of the
// paragraph after the table.
std::string LimitsSection() {
    const std::string page = Read(SourceFolder() / "skincfg.htm");
    const std::size_t start = page.find("id=\"limits\"");
    const std::size_t end = page.find("</p>", page.find("</table>", start));
    return start == std::string::npos || end == std::string::npos ? std::string()
                                                                  : page.substr(start, end - start);
}

TEST(SkinLimitsPage, TellsSkinMakersTheLimitsTheGameHolds) {
    const std::string section = LimitsSection();
    ASSERT_FALSE(section.empty()) << "skincfg.htm has no section with the limits";
    for (int index = 0; index < TSkinLayout::Count; ++index) {
        const std::string name(TSkinLayout::Name(index));
        const std::size_t at = section.find(name);
        ASSERT_NE(at, std::string::npos) << name << " is missing from the limits";
        const std::size_t rowStart = section.rfind("<tr>", at);
        const std::string row = section.substr(rowStart, section.find("</tr>", at) - rowStart);
        const TLayoutRange range = LayoutRange(index);
        EXPECT_NE(row.find(">" + std::to_string(range.Min) + "<"), std::string::npos) << name;
        EXPECT_NE(row.find(">" + std::to_string(range.Max) + "<"), std::string::npos) << name;
    }
    for (int image = 0; image < SkinImageCount; ++image) {
        const TPictureLimit limit = MaxPictureSize(static_cast<TSkinImage>(image));
        const std::string size = std::to_string(limit.Width) + " x " + std::to_string(limit.Height);
        EXPECT_NE(section.find(size), std::string::npos) << size;
    }
}

}  // namespace
