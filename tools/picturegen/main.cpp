#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "Drawings.h"
#include "JpegEncoder.h"
#include "platform/FileSystem.h"

namespace {

constexpr int Quality = 92;

bool Write(const std::filesystem::path& file, std::string_view bytes) {
    if (WriteFileAtomically(file, bytes)) {
        return true;
    }
    std::fprintf(stderr, "cannot write %s\n", file.c_str());
    return false;
}

}  // namespace

// Draws the game's two pictures and writes them as JPEG files into the folder named on the
// command line.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    // A build machine has no display; the pictures are drawn off screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);

    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string gameOver = EncodeJpeg(DrawGameOver(), Quality);
    const std::string logo = EncodeJpeg(DrawLogo(), Quality);
    const bool written =
        Write(folder / "GameOver.jpg", gameOver) && Write(folder / "Logo.jpg", logo);
    return written ? 0 : 1;
}
