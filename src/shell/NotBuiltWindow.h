#pragma once

#include "ReportWindow.h"
#include "RichTextBox.h"
#include "TestWindow.h"
#include "TwipsLayout.h"

#include <QLabel>
#include <QPushButton>

#include <type_traits>

// A window of a test still to come: it opens, places itself and unloads like
// the finished window will (through Base), and says the test is not there yet.
template <class Base>
class NotBuiltWindow : public Base {
public:
    NotBuiltWindow(const char* formName, const QString& caption, double width, double height) : Base(formName)
    {
        this->setCaption(caption);
        lblNotBuilt = new QLabel(QStringLiteral("This part of Vorlaine Love Test is not available yet."), this);
        lblNotBuilt->setAlignment(Qt::AlignCenter);
        placeTwips(lblNotBuilt, 240, 240, width - 480, 600);
        if constexpr (std::is_base_of_v<ReportWindow, Base>) {
            this->cmdSave->hide();
            this->cmdPrint->hide();
            placeTwips(this->RTB, 240, 960, width - 480, height - 1200);
        }
        this->setClientSizeTwips(static_cast<float>(width), static_cast<float>(height));
    }

    QLabel* lblNotBuilt;
};
