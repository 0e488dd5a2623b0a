// Seeds of the package target: the fuzz skin's package in RAR 4 and RAR 5, and hostile
// packages made with our RAR writer: names that climb out or are absolute, links, devices
// and pipes, sizes that claim too much, duplicates and case variants, folders in the way.
#include <cstdint>
#include <string>

#include "FuzzSkin.h"
#include "RarWriter.h"
#include "Seeds.h"
#include "platform/FileSystem.h"
#include "platform/Rar5Archive.h"

namespace fs = std::filesystem;

namespace {

constexpr uint32_t Mib = 1U << 20;

TRarUnusualEntry File(const std::string& name, const std::string& data = "data") {
    return {name, data, TRarHostOs::Win32, 0x20, static_cast<uint32_t>(data.size())};
}

TRarUnusualEntry Folder(const std::string& name) {
    return {name, "", TRarHostOs::Win32, 0x10, 0};
}

TRarUnusualEntry Unix(const std::string& name, uint32_t mode, const std::string& data = "") {
    return {name, data, TRarHostOs::Unix, mode, static_cast<uint32_t>(data.size())};
}

TRarUnusualEntry Claiming(const std::string& name, uint32_t declared) {
    return {name, "small", TRarHostOs::Win32, 0x20, declared};
}

// The entries, each followed by a plain picture that must still be unpacked or refused
// in the same way.
std::string Package(const std::vector<TRarUnusualEntry>& entries) {
    TRarWriter writer;
    for (const TRarUnusualEntry& entry : entries) {
        writer.AddUnusualEntry(entry);
        writer.AddFile("after.bmp", "after " + entry.Name);
    }
    return writer.Finish();
}

}  // namespace

TSeeds PackageSeeds(const fs::path& skinFolder) {
    const std::string skin = FuzzSkinPackage(skinFolder);
    TRar5Archive rar5;
    rar5.AddFile("skin.cfg", ReadWholeFile(skinFolder / "skin.cfg").value_or(""));
    for (const std::string& file : FuzzSkinData().ImageFiles) {
        rar5.AddFile(file, ReadWholeFile(skinFolder / file).value_or(""));
    }
    TRarWriter many;
    for (int i = 0; i < 60; ++i) {
        many.AddFile("many" + std::to_string(i) + ".bmp", std::to_string(i));
    }
    std::string skinThenClimb = skin.substr(0, skin.size() - 7);
    {
        TRarWriter climb;
        climb.AddUnusualEntry(File("..\\..\\..\\escape.txt"));
        const std::string tail = climb.Finish();
        skinThenClimb += tail.substr(7 + 13);  // the entry and the end, without marker and header
    }
    return {
        {"fuzz-skin", skin},
        {"fuzz-skin-rar5", rar5.Bytes()},
        {"fuzz-skin-cut", skin.substr(0, skin.size() / 2)},
        {"fuzz-skin-then-climb", skinThenClimb},
        {"marker-only", std::string("Rar!\x1a\x07\x00", 7)},
        {"many-entries", many.Finish()},
        {"climb-backslash", Package({File("..\\..\\..\\escape.txt")})},
        {"climb-slash", Package({File("../../../../escape.txt")})},
        {"climb-inside", Package({File("sub\\..\\..\\escape.txt")})},
        {"absolute", Package({File("/tmp/vyx-fuzz-escape.txt"), File("\\escape.txt")})},
        {"drive-letter", Package({File("C:\\escape.txt"), File("c:escape.txt")})},
        {"no-file-at-all", Package({File(""), File("."), File("sub\\"), File("\\")})},
        {"symlink", Package({Unix("link.bmp", 0120777, "../../../sentinel.txt")})},
        {"symlink-then-through",
         Package({Unix("up", 0120777, ".."), File("up\\escape.txt"), Unix("tmp", 0120777, "/tmp"),
                  File("tmp/vyx-fuzz-escape.txt")})},
        {"devices-and-pipes", Package({Unix("char.bmp", 0020644), Unix("block.bmp", 0060644),
                                       Unix("fifo.bmp", 0010644), Unix("socket.bmp", 0140644)})},
        {"unix-folder-and-setuid",
         Package({Unix("sub", 0040755), Unix("sub/run.bmp", 0104777, "setuid")})},
        {"claims-too-much",
         Package({Claiming("huge.bmp", UINT32_MAX), Claiming("over.bmp", 64 * Mib + 1)})},
        {"claims-more-than-a-skin",
         Package({Claiming("a.bmp", 60 * Mib), Claiming("b.bmp", 60 * Mib),
                  Claiming("c.bmp", 60 * Mib), Claiming("d.bmp", 60 * Mib),
                  Claiming("e.bmp", 60 * Mib)})},
        {"claims-too-little", Package({Claiming("short.bmp", 2)})},
        {"duplicates", Package({File("skin.cfg", "first"), File("skin.cfg", "second")})},
        {"case-variants", Package({File("SKIN.CFG", "upper"), File("Skin.Cfg", "mixed"),
                                   File("skin.cfg", "lower")})},
        {"folders-named-like-files", Package({Folder("skin.cfg"), Folder("back.bmp")})},
        {"folders-named-like-files-holding-files",
         Package({Folder("skin.cfg"), File("skin.cfg\\skin.cfg"), Folder("back.bmp"),
                  File("back.bmp\\inside\\back.bmp")})},
        {"file-then-folder", Package({File("a"), File("a\\b")})},
        {"folder-then-file", Package({Folder("b"), File("b")})},
        {"long-name", Package({File(std::string(300, 'n') + ".bmp")})},
        {"odd-bytes-in-names", Package({File(std::string("skin.cfg\0.bmp", 13)),
                                        File("\xe9t\xe9.bmp"), File("line\nbreak.bmp")})},
    };
}
