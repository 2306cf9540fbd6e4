#include "ImageList.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

namespace {

// Every drawing rendered so far, by resource, size, aspect mode and pixel
// ratio. Emptied when the application goes, while pixmaps may still be freed.
QHash<QString, QPixmap>& rendered()
{
    static QHash<QString, QPixmap> pictures;
    static const bool cleared = [] {
        qAddPostRoutine([] { rendered().clear(); });
        return true;
    }();
    (void)cleared;
    return pictures;
}

QPixmap draw(const QString& resource, QSize size, Qt::AspectRatioMode mode, qreal ratio)
{
    QPixmap pm(size * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    renderer.setAspectRatioMode(mode);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
    return pm;
}

} // namespace

void ImageList::Add(const QString& key, const QPixmap& picture)
{
    items_.push_back({key, picture, {}, {}, Qt::IgnoreAspectRatio});
}

void ImageList::Add(const QString& key, const QString& resource, QSize size, Qt::AspectRatioMode mode)
{
    items_.push_back({key, {}, resource, size, mode});
}

QPixmap ImageList::Picture(int index) const
{
    const Item& item = items_.at(index - 1);
    if (item.resource.isEmpty())
        return item.picture;
    if (!QFile::exists(item.resource))
        return {};
    return Render(item.resource, item.size, item.mode);
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
    return Render(resource, QSize(size, size));
}

QPixmap ImageList::Render(const QString& resource, QSize size, Qt::AspectRatioMode mode)
{
    // Sharp on a scaled screen: as many pixels as the picture covers there.
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QString key = resource + QLatin1Char('|') + QString::number(size.width()) + QLatin1Char('x') +
                        QString::number(size.height()) + QLatin1Char('|') + QString::number(static_cast<int>(mode)) +
                        QLatin1Char('|') + QString::number(ratio);
    QHash<QString, QPixmap>& cache = rendered();
    auto it = cache.constFind(key);
    if (it == cache.constEnd())
        it = cache.insert(key, draw(resource, size, mode, ratio));
    return it.value();
}

ImageList SignImageList(int size)
{
    static const QStringList keys = {
        QStringLiteral("Aquarius"), QStringLiteral("Aries"),  QStringLiteral("Cancer"), QStringLiteral("Capricorn"),
        QStringLiteral("Gemini"),   QStringLiteral("Leo"),    QStringLiteral("Libra"),  QStringLiteral("Pisces"),
        QStringLiteral("Sagittarius"), QStringLiteral("Scorpio"), QStringLiteral("Taurus"), QStringLiteral("Virgo")};
    ImageList list;
    for (const QString& k : keys)
        list.Add(k, QStringLiteral(":/signs/%1.svg").arg(k), QSize(size, size));
    return list;
}

QPixmap DefaultSignPicture(int size)
{
    return ImageList::Render(QStringLiteral(":/signs/default.svg"), size);
}
