#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

// The help as its sources lie in the repository: pages, stylesheet and CHM project.
namespace HelpFiles {

std::filesystem::path SourceFolder();

std::string Read(const std::filesystem::path& file);

// File names of the pages ("*.htm") in the help folder, sorted.
std::vector<std::string> PageNames();

// Every value of the given attribute (href, src, id, name) in an HTML page, in order.
std::vector<std::string> AttributeValues(const std::string& html, const std::string& attribute);

// The "Local" targets of a contents (.hhc) or index (.hhk) file.
std::vector<std::string> SitemapTargets(const std::string& sitemap);

// The lines of one [SECTION] of the CHM project file, without blank lines.
std::vector<std::string> ProjectSection(const std::string& project, const std::string& section);

// A link split into its page and its anchor, with %XX escapes of the page decoded. The
// page is empty for a link into the same page.
struct TLink {
    std::string Page;
    std::string Anchor;
};
TLink SplitLink(const std::string& link);

// True for an address that leaves the help (http:, mailto: and the like).
bool IsExternal(const std::string& link);

// The anchors a page defines by id or name.
std::set<std::string> Anchors(const std::string& html);

}  // namespace HelpFiles
