#include "QtFileDialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <filesystem>

#include "FileSystem.h"
#include "Latin1.h"

namespace {

std::optional<std::string> AskForFile(QFileDialog::AcceptMode mode, std::string_view title,
                                      std::string_view folder) {
    std::error_code ignored;
    const std::filesystem::path start = std::filesystem::absolute(NativePath(folder), ignored);
    QFileDialog dialog(QApplication::activeWindow(), FromLatin1(title),
                       QFile::decodeName(start.c_str()));
    dialog.setAcceptMode(mode);
    // Loading takes any name too: a file that does not open is simply not loaded.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Vyx Zeziz saves (*.lsv)"));
    dialog.setDefaultSuffix(QStringLiteral("lsv"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    // A file name on disk is the file system's bytes, not a game text.
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

}  // namespace

std::optional<std::string> TQtFileDialogs::AskOpen(std::string_view title,
                                                   std::string_view folder) {
    return AskForFile(QFileDialog::AcceptOpen, title, folder);
}

std::optional<std::string> TQtFileDialogs::AskSave(std::string_view title,
                                                   std::string_view folder) {
    return AskForFile(QFileDialog::AcceptSave, title, folder);
}
