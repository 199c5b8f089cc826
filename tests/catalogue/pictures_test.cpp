// The pictures the catalogue shows: every speed button's own picture, the program's icon and the splash
// picture are there at their sizes and not blank, and a desktop theme's icon takes a button's place only
// where the theme has an icon of the command's freedesktop name.
#include "catalogue/modulevalues.h"
#include "catalogue/pictures.h"
#include "catalogue/videoedition.h"
#include "catalogue/waitdialog.h"
#include "catalogueprogram.h"
#include "platform/ui/speedbutton.h"
#include "platform/ui/splashwindow.h"
#include "screenshot.h"
#include "temproot.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QTextStream>
#include <gtest/gtest.h>

namespace orupim::catalogue {
namespace {

constexpr int Size = SpeedButtonPictureSize;

QImage shown(const QIcon& icon, int size = Size) {
    return icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

// How many pixels are not fully transparent.
int paintedPixels(const QImage& image) {
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) != 0;
    return painted;
}

TEST(Pictures, EveryPictureIsThereAtItsSizeAndNotBlank) {
    for (int number = 1; number <= 16; ++number) {
        SCOPED_TRACE(number);
        const QIcon own = ownSpeedButtonPicture(number);
        ASSERT_FALSE(own.isNull());
        const QImage image = shown(own);
        EXPECT_EQ(image.size(), QSize(Size, Size));
        EXPECT_GT(paintedPixels(image), Size * Size / 10);
    }
    EXPECT_TRUE(ownSpeedButtonPicture(0).isNull());
    EXPECT_TRUE(ownSpeedButtonPicture(17).isNull());
    // The strip of film fills 29 by 24 pixels of the 32 by 32 icon, its holes and frames inside it.
    EXPECT_EQ(paintedPixels(shown(programIcon(), 32)), 29 * 24);
    EXPECT_EQ(splashPicture().size(), QSize(ui::SplashWindow::PictureWidth, ui::SplashWindow::PictureHeight));
    // No two buttons look the same.
    for (int a = 1; a <= 16; ++a)
        for (int b = a + 1; b <= 16; ++b) {
            EXPECT_NE(shown(ownSpeedButtonPicture(a)), shown(ownSpeedButtonPicture(b))) << a << " and " << b;
        }
}

TEST(Pictures, SplashWindowShowsThePicture) {
    TWaitDialog splash;
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    auto* image = splash.findChild<QLabel*>("Image1");
    ASSERT_NE(image, nullptr);
    const QImage picture = image->pixmap().toImage();
    EXPECT_EQ(picture.size(), QSize(ui::SplashWindow::PictureWidth, ui::SplashWindow::PictureHeight));
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(0, 0, 128));
    // The suite's name in yellow across the middle.
    int yellow = 0;
    for (int x = 0; x < picture.width(); ++x)
        yellow += picture.pixelColor(x, 85) == QColor(255, 255, 0);
    EXPECT_GT(yellow, 20);
    orupim::test::saveScreenshot(splash, "splash");
}

// A desktop theme with an icon for First Record and for Find Record only, each a plain magenta square.
class ThemedPictures : public ::testing::Test {
protected:
    void SetUp() override {
        previousPaths = QIcon::themeSearchPaths();
        previousName = QIcon::themeName();
        const QString icons = QString::fromStdString((orupim::test::tempRoot() / "icons").string());
        const QString theme = icons + "/oru-test";
        QDir().mkpath(theme + "/20x20/actions");
        QFile index(theme + "/index.theme");
        ASSERT_TRUE(index.open(QIODevice::WriteOnly));
        QTextStream(&index) << "[Icon Theme]\nName=oru-test\nDirectories=20x20/actions\n\n"
                               "[20x20/actions]\nSize=20\nType=Fixed\n";
        index.close();
        QImage magenta(Size, Size, QImage::Format_ARGB32);
        magenta.fill(QColor(255, 0, 255));
        for (const char* name : {"go-first", "edit-find"})
            ASSERT_TRUE(magenta.save(theme + "/20x20/actions/" + name + ".png"));
        QIcon::setThemeSearchPaths({icons});
        QIcon::setThemeName("oru-test");
    }
    void TearDown() override {
        QIcon::setThemeName(previousName);
        QIcon::setThemeSearchPaths(previousPaths);
    }
    QStringList previousPaths;
    QString previousName;
};

TEST_F(ThemedPictures, ThemeIconsTakeThePlaceOfOursWhereTheThemeHasThem) {
    test::CatalogueProgram program(videoEdition());
    ASSERT_TRUE(program.startWith({}));
    const QColor magenta(255, 0, 255);
    for (int number = 1; number <= 16; ++number) {
        SCOPED_TRACE(number);
        const QImage image =
            shown(program.window().speedButtons()[static_cast<std::size_t>(number - 1)]->icon());
        if (number == 1 || number == 5) {
            EXPECT_EQ(image.pixelColor(Size / 2, Size / 2), magenta);
        } else {
            EXPECT_EQ(image, shown(ownSpeedButtonPicture(number)));
        }
    }
}

} // namespace
} // namespace orupim::catalogue
