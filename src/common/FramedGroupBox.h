#pragma once

#include <QColor>
#include <QGroupBox>
#include <QString>

#include <memory>

// A group box whose frame and title are drawn from a style sheet of its own
// (its look: QGroupBox and QGroupBox::title rules) that its children do not
// inherit. A style sheet set on a container is matched against every control
// inside it; this one is matched once, on a hidden box that only paints.
// The title is drawn in the box's own font, in its own colour when given.
class FramedGroupBox : public QGroupBox {
public:
    FramedGroupBox(const QString& title, QWidget* parent, const QString& look, const QColor& titleColour = {});
    FramedGroupBox(QWidget* parent, const QString& look, const QColor& titleColour = {})
        : FramedGroupBox(QString(), parent, look, titleColour)
    {
    }
    ~FramedGroupBox() override;

    // The rounded frame of the result windows: a bold title in the given
    // size, a one-pixel border and a light filling.
    static QString RoundedLook(double points, const QColor& border, const QColor& fill);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::unique_ptr<QGroupBox> painter_;
    QColor titleColour_;
};
