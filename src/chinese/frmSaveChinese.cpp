#include "frmSaveChinese.h"

#include "VorlaineChineseCompatibility.h"

#include "ClickLabel.h"
#include "Desktop.h"
#include "RichTextBox.h"
#include "TwipsLayout.h"
#include "modHelp.h"

#include <QPushButton>

#include <optional>

namespace chinese = VorlaineChineseCompatibility;

frmSaveChinese::frmSaveChinese() : ReportWindow(FormName, QStringLiteral("Vorlaine Chinese Zodiac Compatibility"))
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("frmSaveChinese { background: #fbf1e4; }"
                                 "QPushButton, ClickLabel { font-family: Verdana; font-size: 9pt; }"
                                 "ClickLabel { color: #0000ff; text-decoration: underline; }"));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(9.75);
    RTB->setFont(font);
    placeTwips(RTB, 120, 120, 9360, 6600);
    placeTwips(cmdSave, 120, 6870, 1300, 420);
    placeTwips(cmdPrint, 1540, 6870, 1300, 420);
    Label1 = NewLinkLabel(QStringLiteral("Visit ") + platform::SiteBaseAddress + QStringLiteral(" for more love tests"),
                          this, Qt::AlignRight | Qt::AlignVCenter);
    placeTwips(Label1, 3000, 6840, 6480, 270);
    Label14 = NewLinkLabel(QStringLiteral("Chinese astrology and love advice at Vorlaine"), this,
                           Qt::AlignRight | Qt::AlignVCenter);
    placeTwips(Label14, 3000, 7110, 6480, 270);
    connect(Label1, &ClickLabel::clicked, this, [this] { Label1_Click(); });
    connect(Label14, &ClickLabel::clicked, this, [this] { Label14_Click(); });
    setClientSizeTwips(9600, 7500);
}

void frmSaveChinese::WriteReport()
{
    const QString CRLF = QStringLiteral("\r\n");
    const QString FOOTER = FooterText();
    const QColor darkRed(128, 0, 0), black(0, 0, 0);
    const chinese::State& s = chinese::state();
    auto q = [](const std::string& t) { return QString::fromStdString(t); };

    struct Person {
        const std::string& name;
        const std::string& birthDate;
        const std::string& sign;
        const std::string& element;
        const std::string& elementDescription;
        const chinese::ChineseSignInfo& info;
    };
    const Person persons[2] = {
        {s.MaleName, s.MaleBirthDate, s.MaleChineseSign, s.MaleChineseElement, s.MaleElementDescription,
         s.MaleSignInfo},
        {s.FemaleName, s.FemaleBirthDate, s.FemaleChineseSign, s.FemaleChineseElement, s.FemaleElementDescription,
         s.FemaleSignInfo},
    };
    struct RecordEntry {
        const char* label;
        chinese::ChineseSignField field;
    };
    static const RecordEntry recordEntries[11] = {
        {"Ruling Planet: ", chinese::RulingPlanet},
        {"Positive Traits: ", chinese::PositiveTraits},
        {"Negative Traits: ", chinese::NegativeTraits},
        {"Lucky Color: ", chinese::LuckyColour},
        {"GemStone: ", chinese::GemStone},
        {"Energy: ", chinese::Energy},
        {"Lucky Seasons: ", chinese::LuckySeasons},
        {"Favourable Month: ", chinese::LuckyMonth},
        {"Most Compatible Sign: ", chinese::MostCompatibleSign},
        {"Least Compatible Sign: ", chinese::LeastCompatibleSign},
        {"Famous Persons of this Star Sign are: ", chinese::FamousPersons},
    };

    // One entry: bold dark-red label, then the value in regular black, then
    // the footer line; without a value only the label and the footer.
    auto entry = [&](const QString& label, const std::optional<QString>& value, bool last) {
        Run(Bold::On, darkRed, label);
        Run(Bold::Off, black, QString());
        if (value)
            Run(Bold::Keep, std::nullopt, *value + CRLF + CRLF);
        Run(Bold::Keep, std::nullopt, last ? FOOTER : FOOTER + CRLF + CRLF);
    };

    for (int p = 0; p < 2; ++p) {
        const Person& person = persons[p];
        entry(QStringLiteral("Name: "), q(person.name), false);
        entry(QStringLiteral("Date of Birth: "), q(person.birthDate), false);
        entry(QStringLiteral("Sign: "), q(person.sign), false);

        Run(Bold::On, darkRed, QStringLiteral("Element: "));
        Run(Bold::On, darkRed, q(person.element) + QStringLiteral(": "));
        Run(Bold::Off, black, q(person.elementDescription) + CRLF + CRLF);
        Run(Bold::Keep, std::nullopt, FOOTER + CRLF + CRLF);

        for (int i = 0; i < 11; ++i) {
            const RecordEntry& e = recordEntries[i];
            const auto index = static_cast<std::size_t>(e.field);
            std::optional<QString> value;
            if (index < person.info.size())
                value = q(person.info[index]);
            entry(QString::fromLatin1(e.label), value, p == 1 && i == 10);
        }
    }
}

void frmSaveChinese::Label1_Click()
{
    OpenHomePage();
}

void frmSaveChinese::Label14_Click()
{
    OpenHomePage();
}
