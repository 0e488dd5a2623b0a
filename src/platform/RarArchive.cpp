#include "RarArchive.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <system_error>

#include "FileSystem.h"
#include "RarEntryName.h"

namespace fs = std::filesystem;

namespace {

struct TArchiveFree {
    void operator()(archive* reader) const { archive_read_free(reader); }
};
using TArchiveReader = std::unique_ptr<archive, TArchiveFree>;

constexpr std::size_t BlockSize = 64 * 1024;

// Only RAR is a skin package: a ZIP or a tarball renamed to ".lsk" is not opened at all.
TArchiveReader OpenReader(const fs::path& package) {
    TArchiveReader reader(archive_read_new());
    if (!reader) {
        return nullptr;
    }
    archive_read_support_format_rar(reader.get());
    archive_read_support_format_rar5(reader.get());
    if (archive_read_open_filename(reader.get(), package.c_str(), BlockSize) != ARCHIVE_OK) {
        return nullptr;
    }
    return reader;
}

bool IsHeaderRead(int result) {
    return result == ARCHIVE_OK || result == ARCHIVE_WARN;
}

// The declared sizes of all entries added up, or just past the limit once they exceed it.
// Counting before the first entry is written lets a package that is too large be refused
// as a whole instead of leaving a part of it in the cache.
int64_t DeclaredTotal(const fs::path& package) {
    const TArchiveReader reader = OpenReader(package);
    int64_t total = 0;
    archive_entry* entry = nullptr;
    while (reader && total <= TRarArchive::MaxPackageSize &&
           IsHeaderRead(archive_read_next_header(reader.get(), &entry))) {
        total += std::clamp<int64_t>(archive_entry_size(entry), 0, TRarArchive::MaxPackageSize + 1);
    }
    return total;
}

// libarchive reports damage inside the package as a format error (EILSEQ on this
// platform), an unclassified error (-1) or a truncation (no number at all), and trouble
// with the file itself by the system's error number.
TRarArchive::THeaderResult FailureKind(archive* reader) {
    constexpr int FormatError = EILSEQ;
    constexpr int UnclassifiedError = -1;
    const int error = archive_errno(reader);
    const bool damaged = error == 0 || error == FormatError || error == UnclassifiedError;
    return damaged ? TRarArchive::THeaderResult::BadHeader : TRarArchive::THeaderResult::Failed;
}

constexpr TExtractResult Refused{TExtractResult::TKind::Refused, {}};

TExtractResult WriteFailed(const std::error_code& error) {
    return {TExtractResult::TKind::WriteFailed, TWriteResult::Failed(error.value())};
}

// Creates the folders of the relative path below the root, refusing to pass through
// anything that is not a real folder (a link planted there could lead outside).
TExtractResult MakeFoldersInside(const fs::path& root, const fs::path& relative) {
    std::error_code error;
    if (fs::create_directories(root, error); error) {
        return WriteFailed(error);
    }
    if (!fs::is_directory(root, error)) {
        return Refused;
    }
    fs::path folder = root;
    for (const fs::path& part : relative) {
        folder /= part;
        const fs::file_status status = fs::symlink_status(folder, error);
        if (status.type() == fs::file_type::not_found) {
            if (!fs::create_directory(folder, error)) {
                return error ? WriteFailed(error) : Refused;
            }
        } else if (status.type() != fs::file_type::directory) {
            return Refused;
        }
    }
    return {};
}

class TLibarchiveRar final : public TRarArchive {
public:
    TLibarchiveRar(TArchiveReader reader, int firstResult, archive_entry* firstEntry,
                   bool packageTooLarge)
        : Reader(std::move(reader)), PackageTooLarge(packageTooLarge) {
        FirstHeader = TakeHeader(firstResult, firstEntry);
    }

    THeaderResult ReadHeader() override {
        if (FirstHeader) {
            const THeaderResult first = *FirstHeader;
            FirstHeader.reset();
            return first;
        }
        if (Finished) {
            return *Finished;
        }
        archive_entry* entry = nullptr;
        const int result = archive_read_next_header(Reader.get(), &entry);
        return TakeHeader(result, entry);
    }

    TExtractResult ExtractEntry(const fs::path& folder) override {
        if (!DataUnread || FirstHeader) {
            return Refused;
        }
        DataUnread = false;
        const std::optional<fs::path> inside = EntryPathInside(Name);
        if (!inside || PackageTooLarge || IsLink) {
            return Refused;
        }
        if (Type == AE_IFDIR) {
            return MakeFoldersInside(folder, *inside);
        }
        if (Type != AE_IFREG || !SizeKnown || Size < 0 || Size > MaxEntrySize) {
            return Refused;
        }
        // The whole entry is read before anything is created, so a damaged entry leaves
        // no trace; the file then appears under its name complete or not at all.
        const std::optional<std::string> data = ReadData();
        if (!data) {
            return Refused;
        }
        if (TExtractResult folders = MakeFoldersInside(folder, inside->parent_path()); !folders) {
            return folders;
        }
        if (TWriteResult written =
                WriteFileAtomically(folder / *inside, *data, TWriteDurability::SurvivesCrash);
            !written) {
            return {TExtractResult::TKind::WriteFailed, written};
        }
        return {};
    }

    const std::string& EntryName() const override { return Name; }
    int64_t EntrySize() const override { return Size; }

private:
    THeaderResult TakeHeader(int result, archive_entry* entry) {
        if (!IsHeaderRead(result)) {
            DataUnread = false;
            Finished = result == ARCHIVE_EOF ? THeaderResult::End : FailureKind(Reader.get());
            return *Finished;
        }
        const char* name = archive_entry_pathname(entry);
        if (name == nullptr) {
            name = archive_entry_pathname_utf8(entry);
        }
        Name = name != nullptr ? name : "";
        Size = archive_entry_size(entry);
        SizeKnown = archive_entry_size_is_set(entry) != 0;
        Type = archive_entry_filetype(entry);
        IsLink =
            archive_entry_symlink(entry) != nullptr || archive_entry_hardlink(entry) != nullptr;
        DataUnread = true;
        return THeaderResult::Ok;
    }

    // Exactly the declared number of bytes, or nothing.
    std::optional<std::string> ReadData() {
        std::string data;
        data.reserve(static_cast<std::size_t>(Size));
        std::array<char, BlockSize> block;
        for (;;) {
            const la_ssize_t count = archive_read_data(Reader.get(), block.data(), block.size());
            if (count < 0) {
                return std::nullopt;
            }
            if (count == 0) {
                break;
            }
            if (static_cast<int64_t>(data.size()) + count > Size) {
                return std::nullopt;
            }
            data.append(block.data(), static_cast<std::size_t>(count));
        }
        if (static_cast<int64_t>(data.size()) != Size) {
            return std::nullopt;
        }
        return data;
    }

    TArchiveReader Reader;
    bool PackageTooLarge;
    std::optional<THeaderResult> FirstHeader;  // read at opening, handed out by ReadHeader
    std::optional<THeaderResult> Finished;     // End or the failure, repeated once reached
    bool DataUnread = false;
    std::string Name;
    int64_t Size = 0;
    bool SizeKnown = false;
    mode_t Type = 0;
    bool IsLink = false;
};

}  // namespace

std::unique_ptr<TRarArchive> TRarArchive::OpenForExtraction(const fs::path& package) {
    std::error_code error;
    if (!fs::is_regular_file(package, error)) {
        return nullptr;
    }
    TArchiveReader reader = OpenReader(package);
    if (!reader) {
        return nullptr;
    }
    // libarchive settles on a format only while reading the first header, so that is read
    // here: a file that is no RAR archive fails to open instead of failing later.
    archive_entry* entry = nullptr;
    const int first = archive_read_next_header(reader.get(), &entry);
    if (archive_format(reader.get()) == 0) {
        return nullptr;
    }
    const bool tooLarge = DeclaredTotal(package) > MaxPackageSize;
    return std::make_unique<TLibarchiveRar>(std::move(reader), first, entry, tooLarge);
}
