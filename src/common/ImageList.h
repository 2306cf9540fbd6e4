#pragma once

#include <QPixmap>
#include <QString>

#include <vector>

// Pictures looked up by key, in the order they were added (1-based, as the
// windows count them).
class ImageList {
public:
    void Add(const QString& key, const QPixmap& picture);
    int Count() const { return static_cast<int>(items_.size()); }
    const QString& Key(int index) const { return items_.at(index - 1).key; }
    const QPixmap& Picture(int index) const { return items_.at(index - 1).picture; }
    // The first picture whose key equals key exactly; null when none does.
    QPixmap Find(const QString& key) const;

    // Renders an SVG resource at the given size in pixels.
    static QPixmap Render(const QString& resource, int size);

private:
    struct Item {
        QString key;
        QPixmap picture;
    };
    std::vector<Item> items_;
};

// The twelve sun-sign pictures keyed by sign name, in alphabetical order.
ImageList SignImageList(int size);
// The picture a sign picture box shows until a sign is found.
QPixmap DefaultSignPicture(int size);
