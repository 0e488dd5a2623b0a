#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

// Everything below the folder (files, folders, links, with "/" paths relative to it),
// sorted, so that a test sees any trace an extraction left.
inline std::vector<std::string> TreeBelow(const std::filesystem::path& folder) {
    std::vector<std::string> found;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        found.push_back(std::filesystem::relative(it->path(), folder).generic_string());
    }
    std::sort(found.begin(), found.end());
    return found;
}
