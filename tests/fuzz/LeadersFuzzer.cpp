// A leaders table as a hand-editor may leave it, at the end of a game: the leaders check, the
// new entry put in its place, and the table written and read back. The input is the file; its last
// bytes also give the finished game (score, difficulty, clock) and the name the player types.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "Check.h"
#include "FuzzFolder.h"
#include "persistence/LeaderName.h"
#include "persistence/LeadersFile.h"
#include "platform/FileSystem.h"
#include "rules/GameClock.h"

namespace {

TGame FinishedGame(FuzzedDataProvider& input) {
    TGame game;
    game.Score = input.ConsumeIntegral<uint32_t>();
    game.Difficulty = input.ConsumeIntegralInRange<uint32_t>(0, 3);
    const auto minutes = input.ConsumeIntegral<int32_t>();
    const auto seconds = input.ConsumeIntegral<int32_t>();
    game.TimeText = TimeTextFor(minutes, seconds);
    return game;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    TFuzzFolder& folder = FreshFuzzFolder();
    FuzzedDataProvider input(data, size);
    const TGame game = FinishedGame(input);
    const std::string typed = input.ConsumeRandomLengthString(20);
    folder.Write(LeadersFileName, input.ConsumeRemainingBytesAsString());

    const TLeadersTable before = ReadLeadersTable();
    if (!QualifiesForLeaders(game.Score, before)) {
        return 0;
    }
    // The name dialog accepts only what its check lets through.
    const TNameCheck check = CheckLeaderName(typed);
    const bool refused = check == TNameCheck::TooLong || check == TNameCheck::BadSymbol;
    const std::string name = refused ? std::string(AnonymousName) : RecordedLeaderName(typed);
    InsertLeader(game, name);

    TLeadersTable expected = before;
    Require(PlaceLeader(expected, MakeLeaderEntry(game, name)),
            "a qualifying game must find a place");
    const std::optional<std::string> written = ReadWholeFile(NativePath(LeadersFileName));
    Require(written.has_value(), "the leaders table must still be there");
    Require(ParseLeadersTable(*written) == expected,
            "the leaders table must keep every entry and the new one");
    return 0;
}
