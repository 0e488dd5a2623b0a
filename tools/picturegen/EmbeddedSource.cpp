#include "EmbeddedSource.h"

#include <cstdio>

std::string EmbeddedBytesSource(std::string_view name, std::string_view bytes) {
    std::string source =
        "namespace {\nconstexpr unsigned char " + std::string(name) + "Bytes[] = {";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02x,", static_cast<unsigned char>(bytes[i]));
        source += (i % 16 == 0 ? "\n    " : " ");
        source += hex;
    }
    source += "\n};\n}  // namespace\n\nstd::span<const unsigned char> " + std::string(name) +
              "() {\n    return " + std::string(name) + "Bytes;\n}\n\n";
    return source;
}
