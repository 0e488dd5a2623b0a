#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Crc32.h"

// A RAR 5 archive of stored files, built by hand: skin authors may pack with a current RAR
// packer, and nothing we ship writes RAR 5.
class TRar5Archive {
public:
    void AddFile(std::string_view name, std::string_view data) {
        std::string fields;
        AppendNumber(fields, FileHasCrc);
        AppendNumber(fields, data.size());
        AppendNumber(fields, 0x20);  // attributes
        AppendFixed(fields, Crc32(data));
        AppendNumber(fields, 0);  // compression: version 0, stored
        AppendNumber(fields, 0);  // host: Windows
        AppendNumber(fields, name.size());
        fields += name;
        Files += Header(FileHeader, fields, data.size());
        Files += data;
    }

    std::string Bytes() const {
        std::string archive("Rar!\x1a\x07\x01\x00", 8);
        archive += Header(MainHeader, std::string(1, '\0'));
        archive += Files;
        archive += Header(EndHeader, std::string(1, '\0'));
        return archive;
    }

private:
    static constexpr uint64_t MainHeader = 1;
    static constexpr uint64_t FileHeader = 2;
    static constexpr uint64_t EndHeader = 5;
    static constexpr uint64_t HasData = 0x0002;
    static constexpr uint64_t FileHasCrc = 0x0004;

    static void AppendNumber(std::string& out, uint64_t value) {
        do {
            const auto low = static_cast<uint8_t>(value & 0x7FU);
            value >>= 7;
            out.push_back(static_cast<char>(value != 0 ? (low | 0x80U) : low));
        } while (value != 0);
    }

    static void AppendFixed(std::string& out, uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
        }
    }

    // CRC, size, then type, flags (and the data size) and the fields.
    static std::string Header(uint64_t type, std::string_view fields, uint64_t dataSize = 0) {
        std::string body;
        AppendNumber(body, type);
        AppendNumber(body, type == FileHeader ? HasData : 0);
        if (type == FileHeader) {
            AppendNumber(body, dataSize);
        }
        body += fields;
        std::string sized;
        AppendNumber(sized, body.size());
        sized += body;
        std::string header;
        AppendFixed(header, Crc32(sized));
        return header + sized;
    }

    std::string Files;
};
