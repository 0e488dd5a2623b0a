#include "FileSystem.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <locale.h>
#include <signal.h>
#include <unistd.h>

#include "Latin1.h"

namespace fs = std::filesystem;

namespace {

// WriteFileAtomically's temporary is the target's name, this mark and the writer's process
// id, so that two games writing the same file at once never share a temporary.
constexpr std::string_view TemporaryMark = ".tmp";

// 0, or the error number that stopped the write.
int WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return errno;
        }
        if (written == 0) {
            return EIO;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Makes a rename in the folder survive a power loss. Some file systems cannot flush a
// folder; the new file is complete and in place by then, so that is no failure.
void FlushFolder(const fs::path& folder) {
    const fs::path name = folder.empty() ? fs::path(".") : folder;
    const int descriptor = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

// The id of the process that wrote a temporary named so, and the target's name; nothing
// for any other name.
std::optional<std::pair<std::string_view, pid_t>> TemporaryOwner(std::string_view name) {
    const std::size_t mark = name.rfind(TemporaryMark);
    if (mark == std::string_view::npos || mark == 0) {
        return std::nullopt;
    }
    const std::string_view digits = name.substr(mark + TemporaryMark.size());
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    pid_t process = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), process);
    if (error != std::errc() || end != digits.data() + digits.size() || process <= 0) {
        return std::nullopt;
    }
    return std::make_pair(name.substr(0, mark), process);
}

// This process writes nothing while it looks for stale temporaries, so its own id counts as
// gone: the temporary was left by an earlier process that had the same id.
bool IsAnotherRunningProcess(pid_t process) {
    if (process == ::getpid()) {
        return false;
    }
    return ::kill(process, 0) == 0 || errno == EPERM;
}

}  // namespace

fs::path NativePath(std::string_view gamePath) {
    std::string path(gamePath);
    std::replace(path.begin(), path.end(), '\\', '/');
    return fs::path(path);
}

fs::path ProgramFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path() : executable.parent_path();
}

std::optional<std::string> ReadWholeFile(const fs::path& file) {
    // Only a regular file: a folder in its place opens but fails the first read, and a pipe
    // would never end.
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // A failing read sets the stream's bad bit; it must not escape as an exception.
    std::string bytes;
    std::array<char, 64 * 1024> block;
    while (in.read(block.data(), block.size()) || in.gcount() > 0) {
        bytes.append(block.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

TWriteResult TWriteResult::Failed(int error) {
    TWriteResult result;
    result.Error = error != 0 ? error : EIO;
    return result;
}

std::string TWriteResult::Reason() const {
    if (Error == 0) {
        return {};
    }
    // The "C" locale's words: the program's locale may be one whose words the game's 8-bit
    // texts cannot hold.
    const locale_t plain = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    if (plain == locale_t{}) {
        return std::strerror(Error);
    }
    std::string reason = ::strerror_l(Error, plain);
    ::freelocale(plain);
    return reason;
}

std::string WriteFailureText(std::string_view failed, const fs::path& place,
                             const TWriteResult& failure) {
    return std::string(failed) + "\n" + PathText(place) + ":\n" + failure.Reason() + ".";
}

TWriteResult WriteFileAtomically(const fs::path& file, std::string_view bytes,
                                 TWriteDurability durability) {
    fs::path temporary = file;
    temporary += std::string(TemporaryMark) + std::to_string(::getpid());
    const int descriptor =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (descriptor < 0) {
        return TWriteResult::Failed(errno);
    }
    // The data must be on the disk before the rename makes it the file: otherwise a power
    // loss can leave an empty file in the place of the old one.
    const bool durable = durability == TWriteDurability::SurvivesPowerLoss;
    int error = WriteAll(descriptor, bytes);
    if (error == 0 && durable && ::fsync(descriptor) != 0) {
        error = errno;
    }
    if (::close(descriptor) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0) {
        std::error_code renameError;
        fs::rename(temporary, file, renameError);
        error = renameError.value();
    }
    if (error != 0) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return TWriteResult::Failed(error);
    }
    if (durable) {
        FlushFolder(file.parent_path());
    }
    return {};
}

void RemoveStaleTemporaries(const fs::path& folder, std::string_view pattern) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        std::error_code kindError;
        if (!entry.is_regular_file(kindError) || entry.is_symlink(kindError)) {
            continue;
        }
        const std::string name = entry.path().filename().string();
        const auto owner = TemporaryOwner(name);
        if (owner && MatchesPattern(owner->first, pattern) &&
            !IsAnotherRunningProcess(owner->second)) {
            std::error_code ignored;
            fs::remove(entry.path(), ignored);
        }
    }
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    if (pattern.empty()) {
        return name.empty();
    }
    if (pattern.front() == '*') {
        for (std::size_t skip = 0; skip <= name.size(); ++skip) {
            if (MatchesPattern(name.substr(skip), pattern.substr(1))) {
                return true;
            }
        }
        return false;
    }
    if (name.empty()) {
        return false;
    }
    if (pattern.front() != '?' && !SameIgnoringCase(pattern.substr(0, 1), name.substr(0, 1))) {
        return false;
    }
    return MatchesPattern(name.substr(1), pattern.substr(1));
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

std::vector<std::string> ListFiles(const fs::path& folder, std::string_view pattern) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        std::error_code kindError;
        if (!entry.is_regular_file(kindError)) {
            continue;
        }
        std::string name = entry.path().filename().string();
        if (MatchesPattern(name, pattern)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::string> FindFileIgnoringCase(const fs::path& folder, std::string_view name) {
    const std::vector<std::string> names = ListFiles(folder, "*");
    if (std::find(names.begin(), names.end(), name) != names.end()) {
        return std::string(name);
    }
    const auto other = std::find_if(names.begin(), names.end(), [&](const std::string& present) {
        return SameIgnoringCase(present, name);
    });
    return other == names.end() ? std::nullopt : std::optional<std::string>(*other);
}
