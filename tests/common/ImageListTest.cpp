#include "AppIcon.h"
#include "ImageList.h"

#include "Forms.h"
#include "MDI.h"
#include "ShellFixture.h"

#include "frmVedicResult.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A square drawing of one colour.
void writeSvg(const QString& path, const char* colour)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 10\">"
                       "<rect width=\"10\" height=\"10\" fill=\"") +
            colour + "\"/></svg>");
}

QRgb centre(const QPixmap& pm)
{
    const QImage img = pm.toImage();
    return img.pixel(img.width() / 2, img.height() / 2);
}

} // namespace

TEST(ImageList, ADrawingIsRenderedWhenFirstAskedForAndKeptAfterwards)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("late.svg"));
    ImageList list;
    list.Add(QStringLiteral("Late"), path, QSize(24, 24));
    // Nothing is drawn on adding: the file only comes now.
    writeSvg(path, "#ff0000");
    const QPixmap first = list.Picture(1);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.size(), QSize(24, 24));
    EXPECT_EQ(centre(first), qRgb(255, 0, 0));
    // Once drawn it stays, for this list and for any other list of the run.
    writeSvg(path, "#0000ff");
    EXPECT_EQ(list.Picture(1).cacheKey(), first.cacheKey());
    ImageList other;
    other.Add(QStringLiteral("Other key"), path, QSize(24, 24));
    EXPECT_EQ(other.Picture(1).cacheKey(), first.cacheKey());
    // Another size is another picture, drawn from the file as it is then.
    other.Add(QStringLiteral("Larger"), path, QSize(40, 40));
    const QPixmap larger = other.Find(QStringLiteral("Larger"));
    EXPECT_EQ(larger.size(), QSize(40, 40));
    EXPECT_EQ(centre(larger), qRgb(0, 0, 255));
}

TEST(ImageList, KeysKeepTheirOrderAndAreMatchedExactly)
{
    QTemporaryDir dir;
    const QString red = dir.filePath(QStringLiteral("red.svg"));
    const QString green = dir.filePath(QStringLiteral("green.svg"));
    writeSvg(red, "#ff0000");
    writeSvg(green, "#00ff00");
    QPixmap given(8, 8);
    given.fill(Qt::blue);
    ImageList list;
    list.Add(QStringLiteral("Red"), red, QSize(16, 16));
    list.Add(QStringLiteral("Given"), given);
    list.Add(QStringLiteral("Green"), green, QSize(16, 16));
    list.Add(QStringLiteral("Red"), green, QSize(16, 16)); // a later twin is never found
    list.Add(QStringLiteral("Missing"), dir.filePath(QStringLiteral("none.svg")), QSize(16, 16));
    ASSERT_EQ(list.Count(), 5);
    EXPECT_EQ(list.Key(1), QStringLiteral("Red"));
    EXPECT_EQ(list.Key(3), QStringLiteral("Green"));
    EXPECT_EQ(list.Key(5), QStringLiteral("Missing"));

    const struct {
        const char* key;
        QRgb colour; // 0: no picture
    } cases[] = {
        {"Red", qRgb(255, 0, 0)}, {"Green", qRgb(0, 255, 0)}, {"Given", qRgb(0, 0, 255)},
        {"red", 0},               {" Red", 0},                {"Missing", 0},
        {"", 0},
    };
    for (const auto& c : cases) {
        const QPixmap pm = list.Find(QString::fromLatin1(c.key));
        if (c.colour == 0) {
            EXPECT_TRUE(pm.isNull()) << c.key;
        } else {
            ASSERT_FALSE(pm.isNull()) << c.key;
            EXPECT_EQ(centre(pm), c.colour) << c.key;
        }
    }
    EXPECT_EQ(list.Picture(2).cacheKey(), given.cacheKey());
}

TEST(ImageList, AKeptAspectLeavesTheSpareBandsClear)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("square.svg"));
    writeSvg(path, "#ff0000");
    ImageList list;
    list.Add(QStringLiteral("Kept"), path, QSize(150, 159), Qt::KeepAspectRatio);
    list.Add(QStringLiteral("Stretched"), path, QSize(150, 159));
    const QImage kept = list.Picture(1).toImage();
    const QImage stretched = list.Picture(2).toImage();
    ASSERT_EQ(kept.size(), QSize(150, 159));
    ASSERT_EQ(stretched.size(), QSize(150, 159));
    // The square sits in the middle, with clear rows above and below it.
    EXPECT_EQ(qAlpha(kept.pixel(75, 0)), 0);
    EXPECT_EQ(qAlpha(kept.pixel(75, 158)), 0);
    EXPECT_EQ(kept.pixel(75, 79), qRgb(255, 0, 0));
    EXPECT_EQ(stretched.pixel(75, 0), qRgb(255, 0, 0));
    EXPECT_EQ(stretched.pixel(75, 158), qRgb(255, 0, 0));
}

TEST(ImageList, TheSignListDrawsEverySignAtItsSize)
{
    const ImageList list = SignImageList(60);
    ASSERT_EQ(list.Count(), 12);
    for (int i = 1; i <= 12; ++i) {
        const QPixmap pm = list.Picture(i);
        EXPECT_EQ(pm.size(), QSize(60, 60)) << list.Key(i).toStdString();
        // Two windows with the list share the one drawing.
        EXPECT_EQ(SignImageList(60).Picture(i).cacheKey(), pm.cacheKey()) << list.Key(i).toStdString();
    }
    EXPECT_NE(list.Find(QStringLiteral("Aries")).toImage(), list.Find(QStringLiteral("Leo")).toImage());
}

class AppIconTest : public ShellFixture {};

TEST_F(AppIconTest, EveryWindowWearsTheOneIcon)
{
    const qint64 key = AppIcon().cacheKey();
    EXPECT_FALSE(AppIcon().isNull());
    EXPECT_EQ(&AppIcon(), &AppIcon());
    EXPECT_EQ(mdi().windowIcon().cacheKey(), key);
    // A result window made again and again keeps the same icon.
    for (int round = 0; round < 2; ++round) {
        frmVedicResult& w = forms::get<frmVedicResult>();
        EXPECT_EQ(w.windowIcon().cacheKey(), key) << round;
        forms::unload<frmVedicResult>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
