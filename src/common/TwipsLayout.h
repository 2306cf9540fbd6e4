#pragma once

class QWidget;

// Places a control by its designed position and size in twips.
void placeTwips(QWidget* w, double left, double top, double width, double height);
void moveLeftTwips(QWidget* w, double left);
double widthTwips(const QWidget* w);
