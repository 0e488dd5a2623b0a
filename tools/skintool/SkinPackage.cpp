#include "SkinPackage.h"

#include <iomanip>
#include <memory>
#include <string>

#include "platform/RarArchive.h"
#include "platform/RarEntryName.h"

namespace fs = std::filesystem;

namespace {

using THeaderResult = TRarArchive::THeaderResult;

constexpr std::string_view CannotOpen =
    "cannot be opened: it is missing, unreadable or not a RAR archive";

std::string After(int entries, const std::string& lastName) {
    return entries == 0 ? std::string("at its first entry") : "after entry \"" + lastName + "\"";
}

std::string RefusalText(const TRarArchive& archive) {
    const std::string& name = archive.EntryName();
    std::string why;
    if (!EntryPathInside(name)) {
        why = "its name is absolute or climbs out of the skin folder with \"..\"";
    } else if (archive.EntrySize() > TRarArchive::MaxEntrySize) {
        why = "it declares " + std::to_string(archive.EntrySize()) +
              " bytes, over the game's limit of 64 MiB for one file";
    } else {
        why =
            "it is a link or a device, its data is damaged, or the entries add up to over "
            "the game's limit of 256 MiB";
    }
    return "entry \"" + name + "\" cannot be unpacked: " + why +
           ". The game stops unpacking there: pack the skin again from plain files with "
           "\"vyx-skin pack\".";
}

}  // namespace

bool UnpackLikeTheGame(const fs::path& package, const fs::path& folder,
                       std::string_view packageName, TSkinProblems& problems) {
    const std::string file(packageName);
    const std::unique_ptr<TRarArchive> archive = TRarArchive::OpenForExtraction(package);
    if (!archive) {
        problems.push_back({false, file, std::string(CannotOpen) + "."});
        return false;
    }
    int entries = 0;
    std::string lastName;
    for (;;) {
        switch (archive->ReadHeader()) {
            case THeaderResult::Ok:
                break;
            case THeaderResult::End:
                return true;
            case THeaderResult::BadHeader:
                problems.push_back({false, file,
                                    "the header " + After(entries, lastName) +
                                        " is damaged; the game reports a corrupted file header "
                                        "and stops unpacking there: pack the skin again."});
                return false;
            case THeaderResult::Failed:
                problems.push_back({false, file,
                                    "cannot be read " + After(entries, lastName) +
                                        "; the game stops unpacking there."});
                return false;
        }
        if (!archive->ExtractEntry(folder)) {
            problems.push_back({false, file, RefusalText(*archive)});
            return false;
        }
        lastName = archive->EntryName();
        ++entries;
        if (lastName.find_first_of("/\\") != std::string::npos) {
            problems.push_back({true, file,
                                "entry \"" + lastName +
                                    "\" lies in a folder; the game only uses the files at the "
                                    "top of a package: pack the skin from one flat folder."});
        }
    }
}

bool ListPackage(const fs::path& package, std::ostream& out, std::ostream& err) {
    const std::unique_ptr<TRarArchive> archive = TRarArchive::OpenForExtraction(package);
    if (!archive) {
        err << "vyx-skin: " << package.string() << ' ' << CannotOpen << ".\n";
        return false;
    }
    constexpr int SizeColumn = 10;
    out << std::setw(SizeColumn) << "Size"
        << "  Name\n";
    int entries = 0;
    int64_t total = 0;
    std::string lastName;
    for (;;) {
        const THeaderResult result = archive->ReadHeader();
        if (result == THeaderResult::End) {
            break;
        }
        if (result != THeaderResult::Ok) {
            err << "vyx-skin: " << package.string() << ": the header " << After(entries, lastName)
                << (result == THeaderResult::BadHeader ? " is damaged.\n" : " cannot be read.\n");
            return false;
        }
        lastName = archive->EntryName();
        out << std::setw(SizeColumn) << archive->EntrySize() << "  " << lastName << '\n';
        ++entries;
        total += archive->EntrySize();
    }
    out << entries << (entries == 1 ? " file, " : " files, ") << total << " bytes\n";
    return true;
}
