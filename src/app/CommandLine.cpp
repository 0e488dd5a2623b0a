#include "CommandLine.h"

#include <string_view>

namespace {

constexpr std::string_view Usage =
    "Usage: vyxlines [--help | --version]\n"
    "Vyx Zeziz: line up five balls of one colour on a nine by nine board before it fills.\n"
    "\n"
    "  --help     shows this text and exits\n"
    "  --version  shows the version and exits\n"
    "\n"
    "Started from a game folder that holds VyxLines.cfg and may be written, the game keeps\n"
    "everything in that folder. Installed, it reads its own files from\n"
    "<prefix>/share/games/vyx-zeziz/ and keeps your settings, leaders table, skin and\n"
    "saved games in $XDG_DATA_HOME/vyx-zeziz/ (~/.local/share/vyx-zeziz/ when\n"
    "XDG_DATA_HOME is unset).\n"
    "See vyxlines(6) and the help (F1) for more.\n";

}  // namespace

std::optional<int> AnswerCommandLine(std::span<char* const> arguments, std::ostream& out) {
    for (std::size_t index = 1; index < arguments.size(); ++index) {
        const std::string_view argument = arguments[index];
        if (argument == "--help" || argument == "-h") {
            out << Usage;
            return 0;
        }
        if (argument == "--version") {
            out << "Vyx Zeziz " << VYX_VERSION << '\n';
            return 0;
        }
    }
    return std::nullopt;
}
