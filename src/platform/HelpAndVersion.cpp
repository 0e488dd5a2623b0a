#include "HelpAndVersion.h"

std::optional<int> AnswerHelpOrVersion(const std::vector<std::string>& arguments,
                                       std::string_view usage, std::string_view versionLine,
                                       std::ostream& out) {
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            out << usage;
            return 0;
        }
        if (argument == "--version") {
            out << versionLine << '\n';
            return 0;
        }
    }
    return std::nullopt;
}
