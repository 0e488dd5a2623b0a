#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

// Skin packages are RAR 4 archives. No packer we can ship writes RAR, so we write our own,
// with stored (uncompressed) entries only: bitmaps are small and the game unpacks them once.

// The host systems a file header can name; they decide how readers take the attributes.
enum class TRarHostOs : uint8_t { MsDos = 0, Win32 = 2, Unix = 3 };

// The header fields a real skin package never needs, for testing how a reader faces a
// hostile package: any name as it stands, Unix modes that make a link or a device, and an
// unpacked size claimed whatever the data holds.
struct TRarUnusualEntry {
    std::string Name;
    std::string Data;
    TRarHostOs HostOs = TRarHostOs::Unix;
    uint32_t Attributes = 0100644;  // with Unix: the mode, file type bits included
    uint32_t DeclaredSize = 0;      // the unpacked size the header claims
};

// 1980-01-01 00:00, the earliest time an MS-DOS time stamp holds.
constexpr uint32_t EarliestDosTime = 0x00210000;

// The MS-DOS form of a local time (two-second steps), clamped to 1980..2107.
uint32_t ToDosTime(const std::tm& local);

// Builds a stored RAR 4 archive in memory, entry by entry.
class TRarWriter {
public:
    TRarWriter();

    // A plain file under its stored name ("\" between folder names). False, adding nothing,
    // when the name is empty or too long for a header, or the data is 4 GiB or more.
    bool AddFile(std::string_view name, std::string_view data, uint32_t dosTime = EarliestDosTime);
    void AddUnusualEntry(const TRarUnusualEntry& entry);

    // The archive with its end header; the writer is spent afterwards.
    std::string Finish();

private:
    void AddEntry(std::string_view name, std::string_view data, TRarHostOs hostOs,
                  uint32_t attributes, uint32_t unpackedSize, uint32_t dosTime);

    std::string Bytes;
};
