#include "HelpFiles.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), Lower);
    return text;
}

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The quoted values that follow `key` (already in small letters) in `text`, where the key
// starts a word: `key="value"`, blanks allowed around the "=".
std::vector<std::string> QuotedValuesAfter(const std::string& text, const std::string& key) {
    const std::string lower = Lowered(text);
    std::vector<std::string> values;
    for (std::size_t at = lower.find(key); at != std::string::npos; at = lower.find(key, at + 1)) {
        if (at > 0 && !IsSpace(lower[at - 1])) {
            continue;
        }
        std::size_t i = at + key.size();
        while (i < text.size() && IsSpace(text[i])) {
            ++i;
        }
        if (i == text.size() || text[i] != '=') {
            continue;
        }
        ++i;
        while (i < text.size() && IsSpace(text[i])) {
            ++i;
        }
        if (i == text.size() || text[i] != '"') {
            continue;
        }
        const std::size_t end = text.find('"', i + 1);
        if (end == std::string::npos) {
            break;
        }
        values.push_back(text.substr(i + 1, end - i - 1));
    }
    return values;
}

}  // namespace

namespace HelpFiles {

fs::path SourceFolder() {
    return VYX_HELP_SOURCE_DIR;
}

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> PageNames() {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(SourceFolder())) {
        if (entry.is_regular_file() && entry.path().extension() == ".htm") {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> AttributeValues(const std::string& html, const std::string& attribute) {
    return QuotedValuesAfter(html, Lowered(attribute));
}

std::vector<std::string> SitemapTargets(const std::string& sitemap) {
    // Each target is a <param name="Local" value="...">; the value follows its name.
    std::vector<std::string> targets;
    const std::string lower = Lowered(sitemap);
    for (std::size_t at = lower.find("\"local\""); at != std::string::npos;
         at = lower.find("\"local\"", at + 1)) {
        const std::size_t close = sitemap.find('>', at);
        const std::vector<std::string> values =
            QuotedValuesAfter(sitemap.substr(at, close - at), "value");
        if (!values.empty()) {
            targets.push_back(values.front());
        }
    }
    return targets;
}

std::vector<std::string> ProjectSection(const std::string& project, const std::string& section) {
    std::vector<std::string> lines;
    std::istringstream in(project);
    std::string line;
    bool inside = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty() && line.front() == '[') {
            inside = line == "[" + section + "]";
        } else if (inside && !line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

TLink SplitLink(const std::string& link) {
    const std::size_t hash = link.find('#');
    const std::string page = link.substr(0, hash);
    TLink split;
    split.Anchor = hash == std::string::npos ? std::string() : link.substr(hash + 1);
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (page[i] == '%' && i + 2 < page.size()) {
            split.Page.push_back(static_cast<char>(std::stoi(page.substr(i + 1, 2), nullptr, 16)));
            i += 2;
        } else {
            split.Page.push_back(page[i]);
        }
    }
    return split;
}

bool IsExternal(const std::string& link) {
    const std::size_t colon = link.find(':');
    if (colon == std::string::npos || colon == 0 ||
        std::isalpha(static_cast<unsigned char>(link[0])) == 0) {
        return false;
    }
    return std::all_of(link.begin(), link.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '+' || c == '-' || c == '.';
    });
}

std::set<std::string> Anchors(const std::string& html) {
    std::set<std::string> anchors;
    for (const char* attribute : {"id", "name"}) {
        for (const std::string& value : AttributeValues(html, attribute)) {
            anchors.insert(value);
        }
    }
    return anchors;
}

}  // namespace HelpFiles
