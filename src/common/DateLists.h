#pragma once

class QComboBox;

// Fills a person's three date lists ("January".."December", "1".."31",
// firstYear..lastYear) and selects the first entry of each.
void FillDateLists(QComboBox* month, QComboBox* day, QComboBox* year, int firstYear, int lastYear);
void FillMonthList(QComboBox* month);
void FillNumberList(QComboBox* list, int first, int last);
