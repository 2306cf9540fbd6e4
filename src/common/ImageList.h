#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <vector>

// Pictures looked up by key, in the order they were added (1-based, as the
// windows count them). A picture added as a drawing is rendered the first
// time it is asked for, at the size it is shown, and kept for the run.
class ImageList {
public:
    void Add(const QString& key, const QPixmap& picture);
    // A drawing (an SVG resource) shown at size; a resource that is not in
    // the program gives a null picture.
    void Add(const QString& key, const QString& resource, QSize size,
             Qt::AspectRatioMode mode = Qt::IgnoreAspectRatio);
    int Count() const { return static_cast<int>(items_.size()); }
    const QString& Key(int index) const { return items_.at(index - 1).key; }
    QPixmap Picture(int index) const;
    // The first picture whose key equals key exactly; null when none does.
    QPixmap Find(const QString& key) const;

    // Renders an SVG resource at the given size in pixels; each resource and
    // size is rendered once for the run.
    static QPixmap Render(const QString& resource, int size);
    static QPixmap Render(const QString& resource, QSize size, Qt::AspectRatioMode mode = Qt::IgnoreAspectRatio);

private:
    struct Item {
        QString key;
        QPixmap picture;
        QString resource; // empty when picture was given
        QSize size;
        Qt::AspectRatioMode mode = Qt::IgnoreAspectRatio;
    };
    std::vector<Item> items_;
};

// The twelve sun-sign pictures keyed by sign name, in alphabetical order.
ImageList SignImageList(int size);
// The picture a sign picture box shows until a sign is found.
QPixmap DefaultSignPicture(int size);
