#include "Desktop.h"

#include <gtest/gtest.h>

using platform::qtNameFilters;

TEST(FileDialogFilter, PairsBecomeQtNameFiltersWithEachPatternShownOnce)
{
    const struct {
        const char* filter;
        QStringList expected;
    } cases[] = {
        {"Rich Text Format | *.rtf ", {"Rich Text Format (*.rtf)"}},
        {"Vorlaine Free Astrology Kundali Match (*.kun)|*.kun", {"Vorlaine Free Astrology Kundali Match (*.kun)"}},
        {"Text|*.txt;*.log|All|*.*", {"Text (*.txt *.log)", "All (*.*)"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qtNameFilters(QString::fromLatin1(c.filter)), c.expected) << c.filter;
}
