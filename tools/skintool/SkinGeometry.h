#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "SkinProblems.h"
#include "skinformat/SkinConfig.h"

struct TPictureSize {
    int64_t Width = 0;
    int64_t Height = 0;
};

// The size a picture needs for the game to cut its pieces from it.
struct TPictureRule {
    TPictureSize Size;
    bool Exact = false;  // a ball strip is a grid of cells: any other size means a mistake
    std::string Shape;   // what the picture holds, e.g. "13 x 3 cells of CellWidth x CellHeight"
    std::string Names;   // the layout values that decide the size
};

// Nothing to require of the background: it is compared with the window instead.
TPictureRule PictureRule(TSkinImage image, const TSkinLayout& layout);

// What a picture is for, as skin authors know it ("ball strip 3").
std::string PictureRole(TSkinImage image);

// Checks that every element the game draws lies inside the background picture, that the
// background fills the window, and that the drawn cells line up with the mouse hit test.
// Without a readable background the elements are held against the window instead.
void CheckSkinGeometry(const TSkinLayout& layout, std::optional<TPictureSize> background,
                       std::string_view backgroundFile, TSkinProblems& problems);
