#pragma once

#include <string>
#include <string_view>

// A C++ source that defines the function `name` returning the bytes as a
// std::span<const unsigned char>, for the declarations in Pictures.h.
std::string EmbeddedBytesSource(std::string_view name, std::string_view bytes);
