#pragma once

class QComboBox;

// The date lists of the input windows: "January".."December", and plain
// numbers first..last without leading zeros.
void FillMonthList(QComboBox* month);
void FillNumberList(QComboBox* list, int first, int last);
