#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

// A fresh temporary folder laid out like the game folder, made the current directory for
// the life of the object (the game names its files relative to it).
class TGameFolder {
public:
    TGameFolder() {
        const std::string name =
            std::string("vyx-") + testing::UnitTest::GetInstance()->current_test_info()->name();
        Root = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(Root);
        for (const char* folder : {"Gfx/Skins", "Gfx/Cache", "Sfx", "Saves", "Def"}) {
            std::filesystem::create_directories(Root / folder);
        }
        Previous = std::filesystem::current_path();
        std::filesystem::current_path(Root);
    }
    ~TGameFolder() {
        std::filesystem::current_path(Previous);
        std::error_code ignored;
        std::filesystem::remove_all(Root, ignored);
    }
    TGameFolder(const TGameFolder&) = delete;
    TGameFolder& operator=(const TGameFolder&) = delete;

    std::filesystem::path Path(std::string_view gamePath) const {
        return Root / NativePath(gamePath);
    }

    void Write(std::string_view gamePath, std::string_view bytes) const {
        ASSERT_TRUE(WriteFileAtomically(Path(gamePath), bytes));
    }
    std::string Read(std::string_view gamePath) const {
        return ReadWholeFile(Path(gamePath)).value_or("<missing>");
    }
    bool Exists(std::string_view gamePath) const { return std::filesystem::exists(Path(gamePath)); }

    std::filesystem::path Root;

private:
    std::filesystem::path Previous;
};
