#pragma once

#include "MessageBoxes.h"

// Message boxes on Qt, parented to the application's active window.
class TQtMessageBoxes final : public TMessageBoxes {
public:
    TMessageAnswer Show(std::string_view text, std::string_view caption, TMessageIcon icon,
                        TMessageButtons buttons) override;
};
