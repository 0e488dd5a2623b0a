#include "AutosaveNotice.h"

#include <utility>

void TAutosaveNotice::Record(const TWriteResult& result) {
    if (result) {
        Failing = false;
        Untold.reset();
    } else if (!Failing) {
        Failing = true;
        Untold = result;
    }
}

std::optional<TWriteResult> TAutosaveNotice::TakeUntold() {
    return std::exchange(Untold, std::nullopt);
}
