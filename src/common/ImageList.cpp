#include "ImageList.h"

#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

void ImageList::Add(const QString& key, const QPixmap& picture)
{
    items_.push_back({key, picture});
}

QPixmap ImageList::Find(const QString& key) const
{
    for (int i = 1; i <= Count(); ++i)
        if (Key(i) == key)
            return Picture(i);
    return {};
}

QPixmap ImageList::Render(const QString& resource, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p);
    return pm;
}

ImageList SignImageList(int size)
{
    static const QStringList keys = {
        QStringLiteral("Aquarius"), QStringLiteral("Aries"),  QStringLiteral("Cancer"), QStringLiteral("Capricorn"),
        QStringLiteral("Gemini"),   QStringLiteral("Leo"),    QStringLiteral("Libra"),  QStringLiteral("Pisces"),
        QStringLiteral("Sagittarius"), QStringLiteral("Scorpio"), QStringLiteral("Taurus"), QStringLiteral("Virgo")};
    ImageList list;
    for (const QString& k : keys)
        list.Add(k, ImageList::Render(QStringLiteral(":/signs/%1.svg").arg(k), size));
    return list;
}

QPixmap DefaultSignPicture(int size)
{
    return ImageList::Render(QStringLiteral(":/signs/default.svg"), size);
}
