#include "modNakshatraInformation.h"
#include "modRashiInformation.h"

#include "TestWindow.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <string>
#include <vector>

namespace ri = modRashiInformation;
namespace ni = modNakshatraInformation;

namespace {

struct Drawing {
    QString error;
    QString title;
    QStringList texts;
};

Drawing readDrawing(const QByteArray& svg)
{
    Drawing d;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("title") && d.title.isNull())
            d.title = xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
        else if (xml.name() == QLatin1String("text"))
            d.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    if (xml.hasError())
        d.error = xml.errorString();
    return d;
}

Drawing readResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot open ") + path, {}, {}};
    return readDrawing(file.readAll());
}

// The things a Symbol box offers: "A House or a Palaquin" offers two,
// "Yoni ( Female Sexual Organ)" offers "Yoni" with a remark after it.
QStringList symbolChoices(const std::string& symbol)
{
    QString text = QString::fromStdString(symbol);
    text.remove(QRegularExpression(QStringLiteral("\\(.*\\)")));
    QStringList choices;
    for (const QString& part : text.split(QRegularExpression(QStringLiteral("/| or "))))
        if (!part.trimmed().isEmpty())
            choices << part.trimmed();
    return choices;
}

// What is wrong with a drawing for a page whose Symbol box says `symbol`
// and whose names are `names`; empty when it agrees with the page.
QStringList faults(const Drawing& d, const std::string& symbol, const QStringList& names)
{
    QStringList found;
    if (!d.error.isEmpty())
        found << QStringLiteral("unreadable: ") + d.error;
    if (d.title.isEmpty())
        found << QStringLiteral("no title");
    bool named = false;
    for (const QString& choice : symbolChoices(symbol))
        named = named || d.title.contains(choice, Qt::CaseInsensitive);
    if (!d.title.isEmpty() && !named)
        found << QStringLiteral("title \"%1\" does not name \"%2\"").arg(d.title, QString::fromStdString(symbol));
    for (const QString& text : d.texts)
        if (!names.contains(text))
            found << QStringLiteral("writes \"%1\"").arg(text);
    return found;
}

QByteArray drawing(const QString& title, const QStringList& texts)
{
    QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 200 200\">";
    if (!title.isNull())
        svg += "<title>" + title.toUtf8() + "</title>";
    for (const QString& text : texts)
        svg += "<text x=\"100\" y=\"160\">" + text.toUtf8() + "</text>";
    return svg + "</svg>";
}

// Qt's renderer says what it could not draw through its own warnings.
QStringList svgWarnings;
void collectSvgWarnings(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    if (QLatin1String(context.category).startsWith(QLatin1String("qt.svg")))
        svgWarnings << message;
}

QStringList renderWarnings(const QString& path, QSize size)
{
    svgWarnings.clear();
    const QtMessageHandler before = qInstallMessageHandler(collectSvgWarnings);
    QSvgRenderer renderer(path);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    qInstallMessageHandler(before);
    if (!renderer.isValid())
        svgWarnings << QStringLiteral("not a drawing");
    return svgWarnings;
}

} // namespace

TEST(KundaliPictures, TheCheckFindsPicturesThatDisagreeWithTheirPage)
{
    const QStringList capricorn = {QStringLiteral("Capricorn"), QStringLiteral("Makara")};
    EXPECT_TRUE(faults(readDrawing(drawing("The Crocodile", {"Capricorn", "Makara"})), "The Crocodile", capricorn)
                    .isEmpty());
    EXPECT_FALSE(faults(readDrawing(drawing("A Sea-goat", {"Capricorn"})), "The Crocodile", capricorn).isEmpty());
    EXPECT_FALSE(faults(readDrawing(drawing({}, {"Capricorn"})), "The Crocodile", capricorn).isEmpty());
    const QStringList scorpio = {QStringLiteral("Scorpio"), QStringLiteral("Vrischika")};
    EXPECT_FALSE(faults(readDrawing(drawing("The Scorpion", {"Vrishcika"})), "The Scorpion", scorpio).isEmpty());
    EXPECT_FALSE(faults(readDrawing(drawing("The Scorpion", {"Scorpio "})), "The Scorpion", scorpio).isEmpty());
    EXPECT_FALSE(faults(readDrawing("<svg><title>The Scorpion</title>"), "The Scorpion", scorpio).isEmpty());

    // A box that offers several things is met by any one of them, a remark
    // in brackets is not one of them, and part of a phrase is not enough.
    const QStringList moola = {QStringLiteral("Moola")};
    EXPECT_TRUE(faults(readDrawing(drawing("A Palaquin", {})), "A House or a Palaquin", moola).isEmpty());
    EXPECT_TRUE(faults(readDrawing(drawing("Three Footprints", {})), "An Ear /An Arrow / Three Footprints", moola)
                    .isEmpty());
    EXPECT_TRUE(faults(readDrawing(drawing("Yoni", {})), "Yoni ( Female Sexual Organ)", moola).isEmpty());
    EXPECT_FALSE(faults(readDrawing(drawing("Sexual Organ", {})), "Yoni ( Female Sexual Organ)", moola).isEmpty());
    EXPECT_FALSE(faults(readDrawing(drawing("Roots", {})), "Tail of a Lion", moola).isEmpty());
    EXPECT_FALSE(faults(readDrawing(drawing("A Lion", {})), "Tail of a Lion", moola).isEmpty());
}

TEST(KundaliPictures, EveryRashiPictureShowsItsSymbolAndSpellsItsNames)
{
    InitResources();
    for (const auto& row : ri::RashiInfoTable()) {
        const QString path = QStringLiteral(":/rashi/%1.svg").arg(QString::fromStdString(row.EnglishName));
        SCOPED_TRACE(path.toStdString());
        const Drawing d = readResource(path);
        const QStringList names = {QString::fromStdString(row.EnglishName), QString::fromStdString(row.VedicName)};
        EXPECT_EQ(faults(d, row.Symbol, names), QStringList());
        // The page shows both names, and so does its picture.
        EXPECT_EQ(d.texts, names);
        EXPECT_EQ(renderWarnings(path, {200, 200}), QStringList());
    }
}

TEST(KundaliPictures, EveryNakshatraPictureShowsItsSymbolAndSpellsItsName)
{
    InitResources();
    for (const auto& row : ni::NakshatraInfoTable()) {
        const QString path = QStringLiteral(":/nakshatra/%1.svg").arg(QString::fromStdString(row.Nakshatra));
        SCOPED_TRACE(path.toStdString());
        const Drawing d = readResource(path);
        EXPECT_EQ(faults(d, row.Symbol, {QString::fromStdString(row.Nakshatra)}), QStringList());
        EXPECT_EQ(d.texts, QStringList{QString::fromStdString(row.Nakshatra)});
        EXPECT_EQ(renderWarnings(path, {150, 159}), QStringList());
    }
}

TEST(KundaliPictures, SignAndAnimalPicturesSayWhatTheyShow)
{
    InitResources();
    int seen = 0;
    for (const QString& folder : {QStringLiteral(":/signs"), QStringLiteral(":/chinese")}) {
        QDirIterator it(folder, {QStringLiteral("*.svg")});
        while (it.hasNext()) {
            const QString path = it.next();
            SCOPED_TRACE(path.toStdString());
            ++seen;
            const Drawing d = readResource(path);
            EXPECT_TRUE(d.error.isEmpty()) << d.error.toStdString();
            const QString name = QFileInfo(path).baseName();
            if (name == QLatin1String("default"))
                EXPECT_FALSE(d.title.isEmpty());
            else
                EXPECT_TRUE(d.title.contains(name, Qt::CaseInsensitive)) << d.title.toStdString();
        }
    }
    EXPECT_EQ(seen, 25); // twelve signs, their blank badge and twelve animals
}
