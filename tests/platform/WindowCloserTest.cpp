#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <string>
#include <vector>

#include "platform/WindowCloser.h"
#include "support/ModalDriver.h"

namespace {

// A dialog that stays open when closed, as the name prompt does with a name it refuses.
class TRefusingDialog final : public QDialog {
public:
    TRefusingDialog(QWidget* parent, std::vector<std::string>& log) : QDialog(parent), Log(log) {}
    void reject() override { Log.push_back("refused"); }

private:
    std::vector<std::string>& Log;
};

}  // namespace

// The game held in a sequence of dialogs (the Game-over box, then the name prompt): the
// dialog open closes as its close button closes it, the one the sequence opens next closes
// in turn, and when it refuses it is dismissed; the main window closes last.
TEST(WindowCloser, ClosesEveryDialogOfASequenceThenTheMainWindow) {
    const TModalWatchdog watchdog;
    std::vector<std::string> log;
    QWidget main;
    main.show();
    TWindowCloser closer(main);
    QTimer::singleShot(0, &closer, [&closer] { closer.Close(); });
    QDialog first(&main);
    log.push_back(first.exec() == QDialog::Rejected ? "first closed" : "first accepted");
    TRefusingDialog next(&main, log);
    next.exec();
    log.push_back(main.isVisible() ? "next dismissed" : "main window closed too soon");
    EXPECT_TRUE(QTest::qWaitFor([&main] { return !main.isVisible(); }, 5000));
    EXPECT_EQ(log, (std::vector<std::string>{"first closed", "refused", "next dismissed"}));
}
