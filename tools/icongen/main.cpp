#include <QBuffer>
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <string>

#include "IconDesign.h"
#include "platform/FileSystem.h"

namespace {

bool Write(const std::filesystem::path& file, std::string_view bytes) {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (WriteFileAtomically(file, bytes)) {
        return true;
    }
    std::fprintf(stderr, "cannot write %s\n", file.c_str());
    return false;
}

std::string Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

}  // namespace

// Draws the desktop icons into a folder laid out like the icon theme's: <size>x<size>/apps/
// <name>.png for every size and scalable/apps/<name>.svg.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <icon theme folder> <icon name>\n", argv[0]);
        return 2;
    }
    // A build machine has no display; the icons are drawn off screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);

    const std::filesystem::path theme = argv[1];
    const std::string name = argv[2];
    for (const int size : IconSizes) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        if (!Write(theme / folder / "apps" / (name + ".png"), Png(DrawIcon(size)))) {
            return 1;
        }
    }
    return Write(theme / "scalable" / "apps" / (name + ".svg"), ScalableIcon()) ? 0 : 1;
}
