#pragma once

#include <optional>

#include "platform/FileSystem.h"

// The autosave runs at the end of every turn. When it cannot be written the player hears of
// it once, not every turn, while play goes on; again only when an autosave has worked since
// and then fails anew.
class TAutosaveNotice {
public:
    // What came of an autosave.
    void Record(const TWriteResult& result);
    // The failure the player has yet to hear of; each is handed out once.
    std::optional<TWriteResult> TakeUntold();

private:
    bool Failing = false;
    std::optional<TWriteResult> Untold;
};
