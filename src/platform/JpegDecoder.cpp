#include "JpegDecoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// The game's own pictures are small; anything past this is not a picture we made.
constexpr long long MaxPixels = 16LL * 1024 * 1024;

// libjpeg's own error handler prints and calls exit(); ours jumps back to the decoder.
struct TJpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Escape;
};

[[noreturn]] void EscapeFromError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<TJpegError*>(info->err)->Escape, 1);
}

// Counts warnings (libjpeg warns of corrupt or truncated data and carries on with grey
// pixels) without printing them; a picture with any warning is treated as damaged.
void CountWarnings(j_common_ptr info, int level) {
    if (level < 0) {
        ++info->err->num_warnings;
    }
}

void Silence(j_common_ptr) {}

// Fills the image from the decompressor. Kept apart from the setjmp frame so that no object
// with a destructor lives between setjmp and a longjmp back to it.
bool ReadPixels(jpeg_decompress_struct& info, QImage& image) {
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        return false;
    }
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    if (image.isNull()) {
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        if (jpeg_read_scanlines(&info, &row, 1) != 1) {
            return false;
        }
    }
    jpeg_finish_decompress(&info);
    return info.err->num_warnings == 0;
}

}  // namespace

QImage DecodeJpeg(std::span<const unsigned char> bytes) {
    if (bytes.empty()) {
        return {};
    }
    QImage image;
    jpeg_decompress_struct info{};
    TJpegError error{};
    info.err = jpeg_std_error(&error.Manager);
    error.Manager.error_exit = EscapeFromError;
    error.Manager.emit_message = CountWarnings;
    error.Manager.output_message = Silence;
    if (setjmp(error.Escape) != 0) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    bool decoded = false;
    if (jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK &&
        static_cast<long long>(info.image_width) * info.image_height <= MaxPixels) {
        decoded = ReadPixels(info, image);
    }
    jpeg_destroy_decompress(&info);
    return decoded ? image : QImage();
}
