#include "DateLists.h"

#include "SignNames.h"

#include <QComboBox>

void FillMonthList(QComboBox* month)
{
    for (std::string_view m : signs::MonthNames)
        month->addItem(QString::fromLatin1(m.data(), static_cast<int>(m.size())));
}

void FillNumberList(QComboBox* list, int first, int last)
{
    for (int i = first; i <= last; ++i)
        list->addItem(QString::number(i));
}

void FillDateLists(QComboBox* month, QComboBox* day, QComboBox* year, int firstYear, int lastYear)
{
    FillMonthList(month);
    FillNumberList(day, 1, 31);
    FillNumberList(year, firstYear, lastYear);
    month->setCurrentIndex(0);
    day->setCurrentIndex(0);
    year->setCurrentIndex(0);
}
