#pragma once

#include <QLabel>

// A label that reports clicks and pointer moves, as the windows' link and
// launcher labels need.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text = {}, QWidget* parent = nullptr);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};

// A link label: hand pointer, and the property link=true for a window's
// style sheet to colour it by (QLabel[link="true"]).
ClickLabel* NewLinkLabel(const QString& text, QWidget* parent,
                         Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);

// A plain panel that reports pointer moves over its background.
class TrackingPanel : public QWidget {
    Q_OBJECT
public:
    explicit TrackingPanel(QWidget* parent = nullptr);

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
};
