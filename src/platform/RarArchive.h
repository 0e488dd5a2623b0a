#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "FileSystem.h"

// What came of extracting an entry: true when it was written. A refused entry is the
// package's fault; a failed write is the folder's (a full disk, a read-only folder), and
// Write says why.
struct TExtractResult {
    enum class TKind : uint8_t { Written, Refused, WriteFailed };

    TKind Kind = TKind::Written;
    TWriteResult Write;

    explicit operator bool() const { return Kind == TKind::Written; }
};

// Reading a skin package (a RAR archive) entry by entry, the way the skin loader unpacks it.
// A package is untrusted: an entry whose stored name is absolute or climbs out with "..",
// an entry that is a link, a device or anything but a plain file or folder, an entry over
// 64 MiB, or a package whose entries add up to over 256 MiB is never written; extracting
// it is refused like a damaged entry.
class TRarArchive {
public:
    enum class THeaderResult : uint8_t {
        Ok,         // the next entry's header has been read
        End,        // no more entries
        BadHeader,  // a damaged header
        Failed,     // any other failure
    };

    static constexpr int64_t MaxEntrySize = int64_t{64} << 20;
    static constexpr int64_t MaxPackageSize = int64_t{256} << 20;

    virtual ~TRarArchive() = default;

    // Nothing when the file cannot be opened as an archive.
    static std::unique_ptr<TRarArchive> OpenForExtraction(const std::filesystem::path& package);

    virtual THeaderResult ReadHeader() = 0;
    // Writes the entry whose header was read last into the folder under its stored name.
    virtual TExtractResult ExtractEntry(const std::filesystem::path& folder) = 0;

    // The stored name and the declared (unpacked) size of the entry whose header was read
    // last, for tools that list a package.
    virtual const std::string& EntryName() const = 0;
    virtual int64_t EntrySize() const = 0;
};
