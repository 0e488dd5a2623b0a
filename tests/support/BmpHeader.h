#pragma once

#include <cstdint>
#include <string>

// The headers of a 24-bit Windows bitmap that claims the given size but holds no pixels: a
// picture that lies about its size, or one too large to draw for a test.
inline std::string BmpHeaderOnly(int32_t width, int32_t height) {
    std::string bytes;
    const auto put = [&bytes](uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    };
    constexpr uint32_t HeadersSize = 14 + 40;
    bytes += "BM";
    put(HeadersSize, 4);  // the file's size, as far as it goes
    put(0, 4);
    put(HeadersSize, 4);  // where the pixels would start
    put(40, 4);
    put(static_cast<uint32_t>(width), 4);
    put(static_cast<uint32_t>(height), 4);
    put(1, 2);   // planes
    put(24, 2);  // bits per pixel
    put(0, 4);   // no compression
    put(0, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    return bytes;
}
