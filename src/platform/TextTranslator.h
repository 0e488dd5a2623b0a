#pragma once

#include <QString>
#include <string_view>
#include <vector>

// The game writes its texts in English, 8-bit, as the lower layers build them; the adapters
// that put them on screen look them up here in the player's language (the translation
// context "GameText"). A text is found by its whole English words, or else by one of the
// templates it was built from: in a template "%1", "%2"... stand for the parts that vary (a
// file name, a reason, a level), and each part is looked up again, since a reason may be a
// game text of its own. A text found nowhere is shown as it stands.
class TTextTranslator {
public:
    TTextTranslator() = default;
    explicit TTextTranslator(std::vector<std::string_view> templates)
        : Templates(std::move(templates)) {}

    QString Translate(std::string_view text) const;

private:
    std::vector<std::string_view> Templates;
};
