#include "QtFileDialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <algorithm>
#include <filesystem>

#include "FileSystem.h"
#include "TextTranslator.h"

namespace {

// Room for the sidebar, a name of some forty letters, and the size, type and date columns.
constexpr int WidthInCharacters = 120;

// Qt sizes the columns for short samples ("128.88 GB", a two-digit year), so sizes in bytes
// and dates in the player's locale were cut. The dialog opens wide enough, the size, type
// and date columns follow their contents and the name takes the rest. A desktop's own
// dialog has no such view and sizes itself.
void ShowWholeColumns(QFileDialog& dialog) {
    const int wide = dialog.fontMetrics().averageCharWidth() * WidthInCharacters;
    dialog.resize(std::max(dialog.width(), wide), dialog.height());
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (view == nullptr) {
        return;
    }
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < header->count(); ++column) {
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

std::optional<std::string> AskForFile(QWidget* parent, QFileDialog::AcceptMode mode,
                                      std::string_view title, std::string_view folder) {
    std::error_code ignored;
    const std::filesystem::path start = std::filesystem::absolute(NativePath(folder), ignored);
    QFileDialog dialog(parent, TTextTranslator().Translate(title),
                       QFile::decodeName(start.c_str()));
    dialog.setAcceptMode(mode);
    // Loading takes any name too: a file that does not open is simply not loaded.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QCoreApplication::translate("GameText", "Vyx Zeziz saves (*.lsv)"));
    dialog.setDefaultSuffix(QStringLiteral("lsv"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    ShowWholeColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    // A file name on disk is the file system's bytes, not a game text.
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

}  // namespace

std::optional<std::string> TQtFileDialogs::AskOpen(std::string_view title,
                                                   std::string_view folder) {
    return AskForFile(Parent.Parent(), QFileDialog::AcceptOpen, title, folder);
}

std::optional<std::string> TQtFileDialogs::AskSave(std::string_view title,
                                                   std::string_view folder) {
    return AskForFile(Parent.Parent(), QFileDialog::AcceptSave, title, folder);
}
