#pragma once

#include "MessageBoxes.h"
#include "QtDialogParent.h"
#include "TextTranslator.h"

// Message boxes on Qt, over the window that asks, wide enough for their caption, with the
// texts in the player's language.
class TQtMessageBoxes final : public TMessageBoxes {
public:
    explicit TQtMessageBoxes(const TQtDialogParent& parent, TTextTranslator texts = {})
        : Parent(parent), Texts(std::move(texts)) {}

    TMessageAnswer Show(std::string_view text, std::string_view caption, TMessageIcon icon,
                        TMessageButtons buttons) override;

private:
    const TQtDialogParent& Parent;
    TTextTranslator Texts;
};
