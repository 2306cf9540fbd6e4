#pragma once

#include <QString>

class QComboBox;

// The date lists of the input windows: "January".."December", and plain
// numbers first..last without leading zeros.
void FillMonthList(QComboBox* month);
void FillNumberList(QComboBox* list, int first, int last);

// The date rule on an input window's three lists. A refused date shows its
// message with the information icon: stem + "!" for February, stem + " !"
// for a 31st; the answer is false then.
bool DateListsAccepted(const QComboBox* month, const QComboBox* day, const QComboBox* year,
                       const QString& stem = QStringLiteral("Please Enter Correct Date Or Month"));
