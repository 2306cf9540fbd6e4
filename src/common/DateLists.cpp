#include "DateLists.h"

#include "DateEntry.h"
#include "Desktop.h"
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

bool DateListsAccepted(const QComboBox* month, const QComboBox* day, const QComboBox* year, const QString& stem)
{
    const auto verdict = dateentry::Check(month->currentIndex(), day->currentIndex(),
                                          dateentry::YearFromText(year->currentText().toStdString()));
    if (verdict == dateentry::Verdict::Accepted)
        return true;
    const bool february = verdict == dateentry::Verdict::FebruaryRefused;
    platform::desktop().MsgBox(stem + (february ? QStringLiteral("!") : QStringLiteral(" !")),
                               platform::MsgButtons::OK, platform::MsgIcon::Information);
    return false;
}
