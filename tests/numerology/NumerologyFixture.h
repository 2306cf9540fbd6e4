#pragma once

#include "frmDisp.h"
#include "frmMainNumerology.h"
#include "frmSaveDocumentNumerology.h"

#include "Forms.h"
#include "MDI.h"
#include "RichTextBox.h"
#include "ClickLabel.h"
#include "ShellFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// One person as typed and picked in the input window; empty list texts are
// left unpicked.
struct Person {
    QString first, middle, last;
    QString month, day, year;
};

class NumerologyWindows : public ShellFixture {
protected:
    // Opens the input window as the main window's "Number" launcher does.
    frmMainNumerology& input()
    {
        mdi().cmdCallMainForm_Click(4);
        return forms::get<frmMainNumerology>();
    }

    // Types text into a box key by key; letters beyond ASCII come as the
    // text of a key press, as an input method delivers them.
    static void type(QLineEdit* box, const QString& text)
    {
        box->clear();
        for (const QChar ch : text) {
            if (ch.unicode() < 0x80)
                QTest::keyClick(box, ch.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
        ASSERT_EQ(box->text(), text);
    }

    // Shows the main window, active, as the running program has it.
    void showMain()
    {
        ASSERT_TRUE(showActiveMainWindow());
    }

    // Picks an entry of a pick-only list by typing it, as a user does.
    static void pick(QComboBox* box, const QString& text)
    {
        if (text.isEmpty())
            return;
        QTest::keyClicks(box, text);
        ASSERT_EQ(box->currentText(), text);
    }

    static void enter(frmMainNumerology& w, const Person& m, const Person& f)
    {
        type(w.txtMF, m.first);
        type(w.txtMM, m.middle);
        type(w.txtML, m.last);
        pick(w.cboMM, m.month);
        pick(w.cboMD, m.day);
        pick(w.cboMY, m.year);
        type(w.txtFF, f.first);
        type(w.txtFM, f.middle);
        type(w.txtFL, f.last);
        pick(w.cboFM, f.month);
        pick(w.cboFD, f.day);
        pick(w.cboFY, f.year);
    }

    static void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // The text of frmDisp after the reading (plain text, "\n" line breaks).
    static QString dispText() { return forms::get<frmDisp>().txtDisp->Text(); }

    static const Person& asha()
    {
        static const Person p{"Asha", "Devi", "Rao", "March", "15", "1985"};
        return p;
    }
    static const Person& ben()
    {
        static const Person p{"Ben", "", "Hart", "February", "29", "1996"};
        return p;
    }
};
