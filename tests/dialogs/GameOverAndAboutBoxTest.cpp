#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <string>
#include <vector>

#include "dialogs/AboutBox.h"
#include "dialogs/GameOverBox.h"
#include "dialogs/MakerLinks.h"
#include "support/FakePlatform.h"

namespace {

template <typename TWidget>
TWidget* Child(QWidget& dialog, const char* name) {
    auto* child = dialog.findChild<TWidget*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

void ExpectFixedSize(const QWidget& dialog, QSize size) {
    EXPECT_EQ(dialog.size(), size);
    EXPECT_EQ(dialog.minimumSize(), size);
    EXPECT_EQ(dialog.maximumSize(), size);
}

}  // namespace

TEST(GameOverBox, IsLaidOutWithItsPicture) {
    QWidget mainWindow;
    TGameOverBox box(&mainWindow);
    EXPECT_EQ(box.windowTitle(), "Vyx Zeziz");
    EXPECT_EQ(box.parentWidget(), &mainWindow);
    ExpectFixedSize(box, {233, 157});
    EXPECT_FALSE(box.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(box.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(box.windowFlags() & Qt::CustomizeWindowHint);

    auto* picture = Child<QLabel>(box, "GOverImg");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), QRect(16, 8, 201, 105));
    EXPECT_TRUE(picture->hasScaledContents());
    EXPECT_EQ(picture->pixmap().size(), QSize(200, 100));
    auto* bevel = Child<QFrame>(box, "Bevel1");
    ASSERT_NE(bevel, nullptr);
    EXPECT_EQ(bevel->geometry(), QRect(16, 8, 201, 105));
    EXPECT_EQ(bevel->frameShadow(), QFrame::Raised);
    auto* ok = Child<QPushButton>(box, "GameoverBut");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->geometry(), QRect(79, 122, 75, 25));
    EXPECT_EQ(ok->text(), "OK");
}

TEST(GameOverBox, EveryWayOfClosingCountsAsOk) {
    QWidget mainWindow;
    {
        TGameOverBox box(&mainWindow);
        QTimer::singleShot(0, &box, [&box] {
            QTest::mouseClick(box.findChild<QPushButton*>("GameoverBut"), Qt::LeftButton);
        });
        EXPECT_EQ(box.exec(), QDialog::Accepted);
    }
    {
        TGameOverBox box(&mainWindow);
        QTimer::singleShot(0, &box, [&box] { QTest::keyClick(&box, Qt::Key_Escape); });
        EXPECT_EQ(box.exec(), QDialog::Accepted);
    }
    {
        TGameOverBox box(&mainWindow);
        QTimer::singleShot(0, &box, [&box] { box.close(); });
        EXPECT_EQ(box.exec(), QDialog::Accepted);
    }
}

TEST(GameOverBox, OpensCentredOnTheMainWindow) {
    QWidget mainWindow;
    mainWindow.setGeometry(300, 200, 500, 400);
    mainWindow.show();
    TGameOverBox box(&mainWindow);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    const QPoint offset = box.geometry().center() - mainWindow.geometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << ", " << offset.y();
}

TEST(AboutBox, IsLaidOutWithLogoVersionAndLinks) {
    TRecordingDesktop desktop;
    TAboutBox box(nullptr, desktop);
    EXPECT_EQ(box.windowTitle(), "About");
    ExpectFixedSize(box, {264, 271});

    auto* logo = Child<QLabel>(box, "Gamelogo");
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->geometry(), QRect(8, 8, 81, 82));
    EXPECT_TRUE(logo->hasScaledContents());
    EXPECT_EQ(logo->pixmap().size(), QSize(81, 82));
    auto* makerLogo = Child<QLabel>(box, "MakerLogo");
    ASSERT_NE(makerLogo, nullptr);
    EXPECT_EQ(makerLogo->geometry(), QRect(112, 8, 137, 41));
    const QImage makerImage = makerLogo->pixmap().toImage();
    EXPECT_EQ(qAlpha(makerImage.pixel(136, 0)), 0) << "the maker's logo has a transparent ground";
    EXPECT_EQ(qAlpha(makerImage.pixel(0, 40)), 0);

    auto* version = Child<QLabel>(box, "GameVer");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Version 2.1");
    EXPECT_EQ(version->pos(), QPoint(140, 56));
    EXPECT_EQ(version->font().pixelSize(), 15);
    auto* buildDate = Child<QLabel>(box, "Builddate");
    ASSERT_NE(buildDate, nullptr);
    EXPECT_EQ(buildDate->text(), "Build date: 10/21/2005");
    EXPECT_EQ(buildDate->pos(), QPoint(120, 80));

    for (const auto& [name, at, text] : {std::tuple{"Web", QPoint(10, 178), MakerHomePage},
                                         std::tuple{"email", QPoint(10, 204), MakerEmail}}) {
        auto* link = Child<QLabel>(box, name);
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->pos(), at) << name;
        EXPECT_EQ(link->text().toStdString(), text);
        EXPECT_EQ(link->font().pixelSize(), 13) << name;
        EXPECT_TRUE(link->font().underline()) << name;
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 128)) << name;
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor) << name;
        EXPECT_LE(link->geometry().right(), box.width()) << name << " runs off the dialog";
    }

    auto* ok = Child<QPushButton>(box, "AboutOK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->geometry(), QRect(181, 237, 75, 25));
    EXPECT_EQ(ok->text(), "OK");
}

TEST(AboutBox, LinksOpenThroughTheDesktopAndLeaveTheDialogOpen) {
    TRecordingDesktop desktop;
    TAboutBox box(nullptr, desktop);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));

    QTest::mouseClick(box.findChild<QLabel*>("Web"), Qt::LeftButton);
    EXPECT_TRUE(box.isVisible());
    QTest::mouseClick(box.findChild<QLabel*>("email"), Qt::LeftButton);
    EXPECT_TRUE(box.isVisible());
    ASSERT_EQ(desktop.Urls.size(), 2u);
    EXPECT_EQ(desktop.Urls[0], MakerHomePage);
    EXPECT_EQ(desktop.Urls[1], "mailto:" + std::string(MakerEmail));

    // A press that slides off the link before its release opens nothing.
    QLabel* web = box.findChild<QLabel*>("Web");
    QTest::mousePress(web, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(web, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(desktop.Urls.size(), 2u);

    QTest::mouseClick(box.findChild<QPushButton*>("AboutOK"), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
}

TEST(MakerLinks, PointIntoTheReservedExampleDomain) {
    for (std::string_view page : {MakerHomePage, MakerDownloadsPage}) {
        const QUrl url(QString::fromLatin1(page.data(), static_cast<qsizetype>(page.size())));
        EXPECT_TRUE(url.isValid()) << page;
        EXPECT_TRUE(url.scheme() == "https" || url.scheme() == "http") << page;
        EXPECT_TRUE(url.host().endsWith(".example")) << page;
    }
    const QUrl mail(
        QString("mailto:") +
        QString::fromLatin1(MakerEmail.data(), static_cast<qsizetype>(MakerEmail.size())));
    EXPECT_TRUE(mail.isValid());
    EXPECT_TRUE(mail.path().endsWith(".example"));
}
