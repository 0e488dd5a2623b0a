#include "SkinPack.h"

#include <chrono>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "RarWriter.h"
#include "platform/FileSystem.h"
#include "platform/RarArchive.h"

namespace fs = std::filesystem;

namespace {

// The file's modification time, as archivers keep it.
uint32_t ModificationDosTime(const fs::path& file) {
    std::error_code error;
    const fs::file_time_type written = fs::last_write_time(file, error);
    if (error) {
        return EarliestDosTime;
    }
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) {
        return EarliestDosTime;
    }
    return ToDosTime(local);
}

bool IsSameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return fs::equivalent(a, b, error);
}

}  // namespace

bool PackSkinFolder(const fs::path& folder, const fs::path& package, std::ostream& out,
                    std::ostream& err) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        err << "vyx-skin: " << folder.string() << " is not a folder.\n";
        return false;
    }
    std::vector<std::string> names = ListFiles(folder, "*");
    // Packing into the folder itself must not take in the old package.
    std::erase_if(names,
                  [&](const std::string& name) { return IsSameFile(folder / name, package); });
    if (names.empty()) {
        err << "vyx-skin: " << folder.string() << " holds no files to pack.\n";
        return false;
    }
    TRarWriter writer;
    int64_t total = 0;
    for (const std::string& name : names) {
        const fs::path file = folder / name;
        std::error_code sizeError;
        const auto size = static_cast<int64_t>(fs::file_size(file, sizeError));
        if (!sizeError && size > TRarArchive::MaxEntrySize) {
            err << "vyx-skin: " << file.string() << " holds " << size
                << " bytes; the game unpacks no file over 64 MiB.\n";
            return false;
        }
        const std::optional<std::string> data = ReadWholeFile(file);
        if (sizeError || !data || static_cast<int64_t>(data->size()) != size) {
            err << "vyx-skin: cannot read " << file.string() << ".\n";
            return false;
        }
        total += size;
        if (total > TRarArchive::MaxPackageSize) {
            err << "vyx-skin: the files of " << folder.string()
                << " add up to over 256 MiB; the game unpacks no larger skin.\n";
            return false;
        }
        if (!writer.AddFile(name, *data, ModificationDosTime(file))) {
            err << "vyx-skin: the name " << name << " does not fit in a package.\n";
            return false;
        }
    }
    if (!WriteFileAtomically(package, writer.Finish())) {
        err << "vyx-skin: cannot write " << package.string() << ".\n";
        return false;
    }
    out << "Packed " << names.size() << (names.size() == 1 ? " file" : " files") << " (" << total
        << " bytes) into " << package.string() << ".\n";
    return true;
}
