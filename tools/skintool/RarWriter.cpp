#include "RarWriter.h"

#include <algorithm>
#include <limits>

#include "Crc32.h"

namespace {

constexpr std::string_view Marker("Rar!\x1a\x07\x00", 7);

constexpr uint8_t ArchiveHeaderType = 0x73;
constexpr uint8_t FileHeaderType = 0x74;
constexpr uint8_t EndHeaderType = 0x7B;

constexpr uint16_t LongBlockFlag = 0x8000;  // the header is followed by data of PACK_SIZE bytes
constexpr uint16_t EndFlags = 0x4000;       // as every RAR 4 packer writes it

constexpr uint8_t UnpackVersion = 20;
constexpr uint8_t StoredMethod = 0x30;
constexpr uint32_t ArchiveAttribute = 0x20;  // what Windows gives a freshly written file
constexpr std::size_t FileHeaderFixedSize = 32;

void AppendLe(std::string& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
    }
}

// A header's CRC covers everything after its own two bytes; only its low half is stored.
void AppendHeader(std::string& out, uint8_t type, uint16_t flags, std::string_view fields) {
    std::string header;
    AppendLe(header, type, 1);
    AppendLe(header, flags, 2);
    AppendLe(header, 2 + 5 + fields.size(), 2);
    header += fields;
    AppendLe(out, Crc32(header) & 0xFFFFU, 2);
    out += header;
}

}  // namespace

uint32_t ToDosTime(const std::tm& local) {
    const int year = local.tm_year + 1900;
    if (year < 1980) {
        return EarliestDosTime;
    }
    const uint32_t dosYear = static_cast<uint32_t>(std::min(year - 1980, 127));
    const auto field = [](int value) { return static_cast<uint32_t>(value); };
    return (dosYear << 25) | (field(local.tm_mon + 1) << 21) | (field(local.tm_mday) << 16) |
           (field(local.tm_hour) << 11) | (field(local.tm_min) << 5) |
           field(std::min(local.tm_sec, 59) / 2);
}

TRarWriter::TRarWriter() : Bytes(Marker) {
    // Two reserved fields (16 and 32 bits) follow the common part of the archive header.
    AppendHeader(Bytes, ArchiveHeaderType, 0, std::string(6, '\0'));
}

bool TRarWriter::AddFile(std::string_view name, std::string_view data, uint32_t dosTime) {
    if (name.empty() || name.size() > std::numeric_limits<uint16_t>::max() - FileHeaderFixedSize ||
        data.size() > std::numeric_limits<uint32_t>::max()) {
        return false;
    }
    AddEntry(name, data, TRarHostOs::Win32, ArchiveAttribute, static_cast<uint32_t>(data.size()),
             dosTime);
    return true;
}

void TRarWriter::AddUnusualEntry(const TRarUnusualEntry& entry) {
    AddEntry(entry.Name, entry.Data, entry.HostOs, entry.Attributes, entry.DeclaredSize,
             EarliestDosTime);
}

void TRarWriter::AddEntry(std::string_view name, std::string_view data, TRarHostOs hostOs,
                          uint32_t attributes, uint32_t unpackedSize, uint32_t dosTime) {
    std::string fields;
    AppendLe(fields, data.size(), 4);
    AppendLe(fields, unpackedSize, 4);
    AppendLe(fields, static_cast<uint8_t>(hostOs), 1);
    AppendLe(fields, Crc32(data), 4);
    AppendLe(fields, dosTime, 4);
    AppendLe(fields, UnpackVersion, 1);
    AppendLe(fields, StoredMethod, 1);
    AppendLe(fields, name.size(), 2);
    AppendLe(fields, attributes, 4);
    fields += name;
    AppendHeader(Bytes, FileHeaderType, LongBlockFlag, fields);
    Bytes += data;
}

std::string TRarWriter::Finish() {
    AppendHeader(Bytes, EndHeaderType, EndFlags, {});
    return std::move(Bytes);
}
