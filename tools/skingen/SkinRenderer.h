#pragma once

#include <QImage>
#include <array>
#include <filesystem>
#include <string>

#include "SkinTheme.h"
#include "skinformat/SkinConfig.h"

// A skin drawn in memory: its configuration and its eleven pictures.
struct TRenderedSkin {
    TSkinData Data;
    std::array<QImage, SkinImageCount> Images;

    const QImage& Image(TSkinImage image) const { return Images[static_cast<int>(image)]; }
};

// The configuration of a theme's skin alone, without drawing a picture.
TSkinData SkinDataOf(const TSkinTheme& theme);

TRenderedSkin RenderSkin(const TSkinTheme& theme);

// Writes "skin.cfg" and the pictures as Windows bitmaps into the folder, creating it. Returns
// what went wrong, or nothing.
std::string WriteSkinFolder(const TRenderedSkin& skin, const std::filesystem::path& folder);
