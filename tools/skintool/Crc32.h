#pragma once

#include <cstdint>
#include <string_view>

// The CRC-32 of RAR archives (the zlib polynomial, reflected, inverted at both ends).
uint32_t Crc32(std::string_view bytes);
