#include "LeaderName.h"

#include <algorithm>

#include "LeadersFile.h"

namespace {

// The leaders file keeps all names on one line, so a line break pasted into the name field
// must not reach it: control characters count as blanks and are recorded as blanks.
bool IsControl(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 0x20 || code == 0x7F;
}

bool IsBlank(char c) {
    return c == ' ' || IsControl(c);
}

}  // namespace

TNameCheck CheckLeaderName(std::string_view text) {
    if (text.empty()) {
        return TNameCheck::Empty;
    }
    if (text.size() > MaxLeaderNameLength) {
        return TNameCheck::TooLong;
    }
    if (text.find('/') != std::string_view::npos) {
        return TNameCheck::BadSymbol;
    }
    if (std::all_of(text.begin(), text.end(), IsBlank)) {
        return TNameCheck::OnlyBlanks;
    }
    return TNameCheck::Valid;
}

std::string RecordedLeaderName(std::string_view text) {
    const TNameCheck check = CheckLeaderName(text);
    if (check == TNameCheck::Empty || check == TNameCheck::OnlyBlanks) {
        return std::string(AnonymousName);
    }
    std::string name(text);
    std::replace_if(name.begin(), name.end(), IsControl, ' ');
    return name;
}
