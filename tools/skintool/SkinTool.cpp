#include "SkinTool.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>
#include <optional>

#include "SkinCheck.h"
#include "SkinPack.h"
#include "SkinPackage.h"
#include "platform/HelpAndVersion.h"

namespace fs = std::filesystem;

namespace {

constexpr int Done = 0;
constexpr int Failed = 1;
constexpr int UsageError = 2;

constexpr const char* Usage =
    "Usage: vyx-skin <command> <arguments>\n"
    "Makes and checks skin packages (.lsk) for Vyx Zeziz.\n"
    "\n"
    "  vyx-skin pack <folder> <package.lsk>\n"
    "      Packs every file of the folder (not its sub-folders) into a package.\n"
    "  vyx-skin list <package.lsk>\n"
    "      Lists the files of a package with their sizes in bytes.\n"
    "  vyx-skin check <package.lsk or folder>\n"
    "      Unpacks a package as the game does (or takes an unpacked skin folder) and checks\n"
    "      that the game can show it: skin.cfg and the limits of its values, every picture\n"
    "      it names (Windows BMP, in any case), the pictures' sizes and limits, the places\n"
    "      of board, score, clock and preview inside the background, and the board's mouse\n"
    "      bands.\n"
    "  vyx-skin --help\n"
    "      Shows this text.\n"
    "  vyx-skin --version\n"
    "      Shows the version.\n"
    "\n"
    "Exit status: 0 when the command succeeds and the skin passes, 1 when it does not,\n"
    "2 for wrong arguments.\n";

int Misused(std::ostream& err, const std::string& what) {
    err << "vyx-skin: " << what << "\nRun \"vyx-skin --help\" for the commands.\n";
    return UsageError;
}

std::string Plural(std::size_t count, const char* word) {
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

int ReportCheck(const TSkinProblems& problems, const std::string& target, std::ostream& out) {
    std::size_t errors = 0;
    for (const TSkinProblem& problem : problems) {
        errors += problem.Warning ? 0 : 1;
        out << (problem.Warning ? "warning: " : "error: ") << problem.File << ": " << problem.Text
            << '\n';
    }
    const std::size_t warnings = problems.size() - errors;
    if (errors > 0) {
        out << target << ": " << Plural(errors, "error")
            << (warnings > 0 ? " and " + Plural(warnings, "warning") : std::string())
            << "; the game cannot show this skin as it is.\n";
        return Failed;
    }
    out << target << ": the skin passes"
        << (warnings > 0 ? ", with " + Plural(warnings, "warning") : std::string()) << ".\n";
    return Done;
}

int Check(const std::string& target, std::ostream& out, std::ostream& err) {
    const fs::path path(target);
    std::error_code error;
    if (fs::is_directory(path, error)) {
        return ReportCheck(CheckSkinFolder(path, target), target, out);
    }
    const QTemporaryDir temporary(QDir::tempPath() + "/vyx-skin-check-XXXXXX");
    if (!temporary.isValid()) {
        err << "vyx-skin: cannot make a temporary folder to unpack into.\n";
        return Failed;
    }
    const fs::path folder(QFile::encodeName(temporary.path()).toStdString());
    TSkinProblems problems;
    if (UnpackLikeTheGame(path, folder, target, problems)) {
        TSkinProblems found = CheckSkinFolder(folder, target);
        problems.insert(problems.end(), found.begin(), found.end());
    }
    return ReportCheck(problems, target, out);
}

}  // namespace

int RunSkinTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.empty()) {
        err << Usage;
        return UsageError;
    }
    if (const std::optional<int> answered =
            AnswerHelpOrVersion(arguments, Usage, "vyx-skin (Vyx Zeziz) " VYX_VERSION, out)) {
        return *answered;
    }
    const std::string& command = arguments[0];
    if (command == "help") {
        out << Usage;
        return Done;
    }
    const std::size_t operands = arguments.size() - 1;
    if (command == "pack") {
        if (operands != 2) {
            return Misused(err, "pack takes a folder and a package name.");
        }
        return PackSkinFolder(arguments[1], arguments[2], out, err) ? Done : Failed;
    }
    if (command == "list") {
        if (operands != 1) {
            return Misused(err, "list takes one package.");
        }
        return ListPackage(arguments[1], out, err) ? Done : Failed;
    }
    if (command == "check") {
        if (operands != 1) {
            return Misused(err, "check takes one package or folder.");
        }
        return Check(arguments[1], out, err);
    }
    return Misused(err, "unknown command \"" + command + "\".");
}
