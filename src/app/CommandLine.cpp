#include "CommandLine.h"

#include <string>
#include <string_view>
#include <vector>

#include "platform/HelpAndVersion.h"

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
    const std::vector<std::string> options(arguments.begin() + (arguments.empty() ? 0 : 1),
                                           arguments.end());
    return AnswerHelpOrVersion(options, Usage, "Vyx Zeziz " VYX_VERSION, out);
}
