// PLACEHOLDER until the result window lands.
#include "frmVedicResult.h"

#include "RichTextBox.h"

frmVedicResult::frmVedicResult() : ResultWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Astrology Kundali Match"));
    for (auto& l : lblVarna)
        l = new QLabel(this);
    RTB = new RichTextBox(this);
    setClientSizeTwips(11940, 6915);
}

void ShowRashiInformation(KundaliPerson, const std::string&) {}
void ShowNakshatraInformation(KundaliPerson, const std::string&) {}
void WriteMatchReport(RichTextBox*, bool) {}
