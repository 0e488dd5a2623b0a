#include <QGuiApplication>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "PreviewSheets.h"
#include "ShippedSkins.h"
#include "SkinRenderer.h"

namespace {

constexpr const char* Usage =
    "usage: vyx-skingen [<skins folder>] [--preview <folder>]\n"
    "Draws the game's skins: one folder per skin with skin.cfg and its Windows bitmaps, and\n"
    "with --preview PNG pictures of boards and ball strips for looking at them.\n";

struct TOptions {
    std::optional<std::filesystem::path> Skins;
    std::optional<std::filesystem::path> Preview;
};

std::optional<TOptions> ReadOptions(int argc, char** argv) {
    TOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--preview" && i + 1 < argc) {
            options.Preview = argv[++i];
        } else if (!argument.starts_with("-") && !options.Skins) {
            options.Skins = argument;
        } else {
            return std::nullopt;
        }
    }
    if (!options.Skins && !options.Preview) {
        return std::nullopt;
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    // The generator runs at build time, where there is no display to talk to.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const std::optional<TOptions> options = ReadOptions(argc, argv);
    if (!options) {
        std::cerr << Usage;
        return 2;
    }
    try {
        for (const auto& theme : ShippedSkins()) {
            const TRenderedSkin skin = RenderSkin(*theme);
            std::string problem;
            if (options->Skins) {
                problem = WriteSkinFolder(skin, *options->Skins / skin.Data.SkinName);
            }
            if (problem.empty() && options->Preview) {
                problem = WritePreviewSheets(skin, *options->Preview);
            }
            if (!problem.empty()) {
                std::cerr << "vyx-skingen: " << problem << "\n";
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::cerr << "vyx-skingen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
