#include "SavedGame.h"

#include <QtGlobal>
#include <fstream>
#include <optional>
#include <system_error>

#include "platform/FileSystem.h"

namespace fs = std::filesystem;

namespace {

// 26 characters, a zero byte and three bytes of padding; loading never looks at it.
constexpr std::string_view Header{"VyxLines save. Version 2.0\0\0\0\0", 30};
constexpr std::string_view SaveTitle = QT_TRANSLATE_NOOP("GameText", "Save game");
constexpr std::string_view LoadTitle = QT_TRANSLATE_NOOP("GameText", "Load game");
constexpr std::string_view ErrorCaption = QT_TRANSLATE_NOOP("GameText", "Error");

void PutUInt16(std::string& bytes, uint16_t value) {
    bytes.push_back(static_cast<char>(value & 0xFF));
    bytes.push_back(static_cast<char>(value >> 8));
}

void PutUInt32(std::string& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

// The cell after (column, row) when the board is walked column by column; the record of
// each cell repeats that cell's value, and the last cell has none.
int16_t FollowingCell(const TLogic& logic, int column, int row) {
    if (row + 1 < BoardSize) {
        return logic.Board[column][row + 1];
    }
    if (column + 1 < BoardSize) {
        return logic.Board[column + 1][0];
    }
    return 0;
}

// Reads little-endian numbers from the front of the bytes; a number the bytes do not hold
// in full leaves its field as it was.
class TSaveReader {
public:
    explicit TSaveReader(std::string_view bytes) : Bytes(bytes) {}

    void Skip(std::size_t count) { Position += count; }

    template <typename T>
    void Read(T& field) {
        if (Position + sizeof(T) > Bytes.size()) {
            Position = Bytes.size();
            return;
        }
        uint32_t value = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            value |= static_cast<uint32_t>(static_cast<unsigned char>(Bytes[Position + i]))
                     << (8 * i);
        }
        Position += sizeof(T);
        field = static_cast<T>(value);
    }

private:
    std::string_view Bytes;
    std::size_t Position = 0;
};

std::optional<std::string> ReadSavedBytes(const fs::path& file) {
    // Only a regular file: a folder reads as nothing, and a pipe would never end.
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes(SavedGameSize, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// A file dialog may leave another current directory behind, while every other file of the
// game is named relative to the game folder.
class TCurrentDirectoryKeeper {
public:
    TCurrentDirectoryKeeper() : Folder(fs::current_path(Error)) {}
    ~TCurrentDirectoryKeeper() {
        if (!Error) {
            std::error_code ignored;
            fs::current_path(Folder, ignored);
        }
    }
    TCurrentDirectoryKeeper(const TCurrentDirectoryKeeper&) = delete;
    TCurrentDirectoryKeeper& operator=(const TCurrentDirectoryKeeper&) = delete;

private:
    std::error_code Error;
    fs::path Folder;
};

}  // namespace

std::string EncodeSavedGame(const TLogic& logic, const TGame& game) {
    std::string bytes(Header);
    bytes.reserve(SavedGameSize);
    for (int row = 0; row < BoardSize; ++row) {
        for (int column = 0; column < BoardSize; ++column) {
            PutUInt16(bytes, static_cast<uint16_t>(logic.Board[column][row]));
            PutUInt16(bytes, static_cast<uint16_t>(FollowingCell(logic, column, row)));
        }
    }
    PutUInt32(bytes, game.Score);
    PutUInt32(bytes, static_cast<uint32_t>(game.LevelTarget));
    PutUInt32(bytes, static_cast<uint32_t>(game.GameMode));
    PutUInt32(bytes, game.Difficulty);
    PutUInt32(bytes, static_cast<uint32_t>(game.Minutes));
    PutUInt32(bytes, static_cast<uint32_t>(game.Seconds));
    return bytes;
}

void DecodeSavedGame(std::string_view bytes, TLogic& logic, TGame& game) {
    TSaveReader reader(bytes);
    reader.Skip(Header.size());
    for (int row = 0; row < BoardSize; ++row) {
        for (int column = 0; column < BoardSize; ++column) {
            reader.Read(logic.Board[column][row]);
            reader.Skip(2);
        }
    }
    reader.Read(game.Score);
    reader.Read(game.LevelTarget);
    reader.Read(game.GameMode);
    reader.Read(game.Difficulty);
    reader.Read(game.Minutes);
    reader.Read(game.Seconds);
}

TWriteResult WriteSavedGame(const fs::path& file, const TLogic& logic, const TGame& game) {
    return WriteFileAtomically(file, EncodeSavedGame(logic, game));
}

bool ReadSavedGame(const fs::path& file, TLogic& logic, TGame& game) {
    const std::optional<std::string> bytes = ReadSavedBytes(file);
    if (!bytes) {
        return false;
    }
    DecodeSavedGame(*bytes, logic, game);
    return true;
}

void SaveGameAs(TFileDialogs& dialogs, TMessageBoxes& messages, const TLogic& logic,
                const TGame& game) {
    const TCurrentDirectoryKeeper keeper;
    const std::optional<std::string> file = dialogs.AskSave(SaveTitle, SavesFolder);
    if (!file) {
        return;
    }
    if (const TWriteResult written = WriteSavedGame(*file, logic, game); !written) {
        messages.Show(WriteFailureText("Can not save game to", *file, written), ErrorCaption,
                      TMessageIcon::Error, TMessageButtons::Ok);
    }
}

bool LoadGameFrom(TFileDialogs& dialogs, TLogic& logic, TGame& game) {
    const TCurrentDirectoryKeeper keeper;
    const std::optional<std::string> file = dialogs.AskOpen(LoadTitle, SavesFolder);
    return file && ReadSavedGame(*file, logic, game);
}

TWriteResult AutosaveGame(const TLogic& logic, const TGame& game) {
    if (!game.Autosave) {
        return {};
    }
    return WriteSavedGame(NativePath(AutosaveFile), logic, game);
}

std::string AutosaveFailedText(const TWriteResult& failure) {
    return WriteFailureText("Can not autosave game to", fs::absolute(NativePath(AutosaveFile)),
                            failure);
}

bool ReadAutosave(TLogic& logic, TGame& game) {
    return ReadSavedGame(NativePath(AutosaveFile), logic, game);
}
