#pragma once

#include <QObject>
#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <optional>

#include "Desktop.h"

// Opens addresses and the help through the desktop's default handlers (xdg-open). The help
// opens as the CHM file when the desktop has a viewer for it, else as the same pages in the
// browser from the folder "Help" beside it; both lie in the folder the game is installed in
// (the game folder itself when it is portable). A topic always opens as its page in the
// browser: the desktop hands a CHM viewer the file alone, and the viewers take a topic each
// in their own way, if at all.
class TQtDesktop final : public TDesktop {
public:
    // Asks the desktop itself (xdg-mime) for a CHM viewer.
    explicit TQtDesktop(std::filesystem::path shippedFolder = {});
    // Starts asking the desktop, in the background and once for the run, whether it has a
    // CHM viewer: `query` is the command that answers with the viewer's name. Until the
    // answer comes the help opens as HTML pages. `opener` is the command that opens a file,
    // named after it, with the program the desktop has for it, and ends with a failure code
    // when it has none.
    explicit TQtDesktop(const QStringList& query, std::filesystem::path shippedFolder = {},
                        QStringList opener = {QStringLiteral("xdg-open")});
    ~TQtDesktop() override;
    TQtDesktop(const TQtDesktop&) = delete;
    TQtDesktop& operator=(const TQtDesktop&) = delete;

    void OpenUrl(std::string_view url) override;
    void OpenHelp(std::string_view helpFile, std::string_view topic,
                  THelpAnswered answered) override;

private:
    void OpenFile(const std::filesystem::path& file, std::function<void(bool opened)> answered);

    std::filesystem::path ShippedFolder;
    QStringList Opener;
    // Declared first: the query's last signal may still write it while the query ends.
    std::optional<bool> HasChmViewer;
    QProcess Query;
    // The openers still running, as its children; each goes once it has answered.
    QObject Openers;
};
