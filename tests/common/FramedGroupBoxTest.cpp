#include "FramedGroupBox.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

const QString Look = QStringLiteral(
    "QGroupBox { font-family: Verdana; font-size: 9pt; font-weight: bold; color: #7a1f3d;"
    " border: 1px solid #d9b38c;"
    " border-radius: 4px; margin-top: 9px; background: #fffaf3; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }");

QImage drawn(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A window of one colour holding a box.
struct Holder {
    QWidget window;
    Holder()
    {
        QPalette pal = window.palette();
        pal.setColor(QPalette::Window, QColor(0xfd, 0xf3, 0xe7));
        window.setPalette(pal);
        window.setAutoFillBackground(true);
        window.resize(260, 140);
    }
};

TEST(FramedGroupBox, LooksAsTheSameBoxUnderItsStyleSheet)
{
    // The same box with the look as its own style sheet, for comparison.
    Holder sheetHolder;
    auto* sheet = new QGroupBox(QStringLiteral("Zodiac Compatibility"), &sheetHolder.window);
    sheet->setStyleSheet(Look);
    sheet->setGeometry(10, 10, 240, 120);
    sheet->ensurePolished();

    Holder framedHolder;
    auto* framed = new FramedGroupBox(QStringLiteral("Zodiac Compatibility"), &framedHolder.window, Look,
                                      QColor(0x7a, 0x1f, 0x3d));
    framed->setFont(sheet->font());
    framed->setGeometry(10, 10, 240, 120);

    const QImage a = drawn(sheetHolder.window);
    const QImage b = drawn(framedHolder.window);
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(a, b);
    // Its border and filling really are drawn.
    EXPECT_EQ(b.pixelColor(130, 70), QColor(0xff, 0xfa, 0xf3));
    EXPECT_EQ(b.pixelColor(10, 70), QColor(0xd9, 0xb3, 0x8c));
}

TEST(FramedGroupBox, ItsControlsAreNotUnderTheStyleSheet)
{
    FramedGroupBox framed(QStringLiteral("Details"), nullptr, Look);
    auto* inside = new QLabel(QStringLiteral("Asha"), &framed);
    framed.ensurePolished();
    EXPECT_TRUE(framed.styleSheet().isEmpty());
    EXPECT_EQ(inside->style(), QApplication::style());
    EXPECT_EQ(framed.style(), QApplication::style());

    QGroupBox sheet(QStringLiteral("Details"));
    sheet.setStyleSheet(Look);
    auto* underSheet = new QLabel(QStringLiteral("Asha"), &sheet);
    sheet.ensurePolished();
    EXPECT_NE(underSheet->style(), QApplication::style()); // what the box spares its controls
}

} // namespace
