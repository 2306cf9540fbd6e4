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
