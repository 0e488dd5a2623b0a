#pragma once

#include "MessageBoxes.h"
#include "QtDialogParent.h"

// Message boxes on Qt, over the window that asks, and wide enough for their caption.
class TQtMessageBoxes final : public TMessageBoxes {
public:
    explicit TQtMessageBoxes(const TQtDialogParent& parent) : Parent(parent) {}

    TMessageAnswer Show(std::string_view text, std::string_view caption, TMessageIcon icon,
                        TMessageButtons buttons) override;

private:
    const TQtDialogParent& Parent;
};
