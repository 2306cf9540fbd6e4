// The Kundali reports: the match report (also the interpretation, without
// its footers), the rashi and nakshatra reports of either person, and the
// Save button that builds the report of the selected top tab.

#include "frmSaveKundali.h"
#include "frmVedicResult.h"
#include "KundaliContent.h"
#include "modNakshatraInformation.h"
#include "modRashiInformation.h"
#include "modVedicCompatibility.h"

#include "Forms.h"
#include "QBColor.h"
#include "RichTextBox.h"
#include "TabStrip.h"
#include "TextBox.h"

using Bold = ReportWindow::Bold;

namespace {

const QColor Black = QBColor(0);
const QColor DarkBlue = QBColor(1);
const QColor Green = QBColor(2);
const QColor DarkCyan = QBColor(3);
const QColor DarkRed = QBColor(4);
const QColor Purple = QBColor(5);
const QColor Grey = QBColor(8);
const QColor Blue = QBColor(9);
const QColor Red = QBColor(12);
const QColor Magenta = QBColor(13);

const QString LineBreak = QStringLiteral("\r\n");
const QString TwoLineBreaks = QStringLiteral("\r\n\r\n");
const QString AboutHeading = QStringLiteral("About Vorlaine Free Astrology Kundali Match v1.0");

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

QString q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

class Builder {
public:
    explicit Builder(bool withFooters = true) : footers_(withFooters) {}

    void run(Bold bold, std::optional<QColor> color, const QString& text)
    {
        runs_.push_back({bold, color, text, false});
    }
    // Takes the colour in force and, unless told otherwise, the bold too.
    void footer(Bold bold = Bold::Keep)
    {
        if (footers_)
            runs_.push_back({bold, std::nullopt, ReportWindow::FooterText() + TwoLineBreaks, true});
    }
    KundaliReport take() { return std::move(runs_); }

private:
    bool footers_;
    KundaliReport runs_;
};

struct KutaRow {
    const char* heading;
    const char* suffix;
    const char* significance;
    QColor colour;
};

const KutaRow& kutaRow(int r)
{
    static const KutaRow rows[8] = {
        {"Guna: Varna Kuta", " Varna", "Significance Of Varna Kuta", DarkBlue},
        {"Guna: Vasya Kuta", " Vasya", "Significance Of Vasya Kuta", Green},
        {"Guna: Tara Kuta", " Tara", "Significance Of Tara Kuta", DarkRed},
        {"Guna: Yoni Kuta", " Yoni", "Significance Of Yoni Kuta", Purple},
        {"Guna: Maitri Kuta", " Maitri", "Significance Of Maitri Kuta", DarkRed},
        {"Guna: Gana Kuta", " Gana", "Significance Of Gana Kuta", Magenta},
        {"Guna: Rashi Kuta", " Rashi", "Significance Of Rashi Kuta", Blue},
        {"Guna: Nadi Kuta", " Nadi", "Significance Of Nadi Kuta", Grey},
    };
    return rows[r];
}

void personBlock(Builder& b, const QString& heading, const modVedicCompatibility::KundaliPersonDetails& p)
{
    b.run(Bold::On, std::nullopt, heading + LineBreak);
    b.run(Bold::Off, std::nullopt, QStringLiteral("Name: ") + q(p.Name) + LineBreak);
    b.run(Bold::Off, std::nullopt,
          QStringLiteral("Date of Birth: ") + q(p.BirthMonth) + QLatin1Char(' ') + q(p.BirthDay) +
              QStringLiteral(", ") + q(p.BirthYear) + LineBreak);
    b.run(Bold::Off, std::nullopt,
          QStringLiteral("Time of Birth: ") + QString::number(p.BirthHour) + QLatin1Char(':') +
              QString::number(p.BirthMinute) + QLatin1Char(':') + QString::number(p.BirthSecond) + LineBreak);
    b.run(Bold::Off, std::nullopt, QStringLiteral("Place of Birth: ") + q(p.BirthPlace) + TwoLineBreaks);
    b.footer();
}

} // namespace

KundaliReport MatchReportRuns(bool withFooters)
{
    const auto& s = modVedicCompatibility::state();
    frmVedicResult& w = forms::get<frmVedicResult>();
    auto cell = [&w](int i) { return w.lblVarna[static_cast<std::size_t>(i)]->text(); };
    Builder b(withFooters);

    personBlock(b, QStringLiteral("Your Details:"), s.Boy);
    personBlock(b, QStringLiteral("Your Partner's Details:"), s.Girl);
    b.run(Bold::On, Blue, cell(43) + LineBreak);
    b.run(Bold::On, Blue, cell(42) + TwoLineBreaks);
    b.footer(Bold::Off); // the one footer after a bold run is regular

    const QString boyName = q(s.Boy.Name);
    const QString girlName = q(s.Girl.Name);
    for (int r = 0; r < modVedicCompatibility::KutaCount; ++r) {
        const KutaRow& k = kutaRow(r);
        b.run(Bold::On, Red, QString::fromLatin1(k.heading) + LineBreak);
        b.run(Bold::Off, Red, QStringLiteral("Maximum Points: ") + cell(5 * r + 2) + LineBreak);
        b.run(Bold::Off, Red, QStringLiteral("Points Obtained: ") + cell(5 * r + 3) + LineBreak);
        b.run(Bold::Off, Red, QStringLiteral("Area of Life: ") + cell(5 * r + 4) + LineBreak);
        b.run(Bold::Off, k.colour,
              boyName + QStringLiteral(" belongs to ") + q(s.Classes.boy(r)) + QString::fromLatin1(k.suffix) +
                  LineBreak);
        b.run(Bold::Off, k.colour,
              girlName + QStringLiteral(" belongs to ") + q(s.Classes.girl(r)) + QString::fromLatin1(k.suffix) +
                  LineBreak);
        b.run(Bold::On, DarkCyan, QString::fromLatin1(k.significance) + LineBreak);
        b.run(Bold::Off, Black, q(s.KutaSignificance[static_cast<std::size_t>(r)]) + TwoLineBreaks);
        b.footer();
    }

    b.run(Bold::On, Red, AboutHeading + LineBreak);
    b.run(Bold::Off, Red, q(kundalicontent::productParagraph()));
    return b.take();
}

KundaliReport RashiReportRuns(KundaliPerson who)
{
    const auto& s = modVedicCompatibility::state();
    frmVedicResult& w = forms::get<frmVedicResult>();
    Builder b;
    b.run(Bold::On, Blue, QStringLiteral("Rashi Information of "));
    b.run(Bold::Off, Black, q(who == KundaliPerson::Boy ? s.Boy.Name : s.Girl.Name) + TwoLineBreaks);
    b.footer();
    const auto boxes = w.RashiBoxes(who);
    for (int i = 0; i < modRashiInformation::RashiFieldCount; ++i) {
        const QString value = i == 0 ? w.RashiNameLabel(who)->text() : boxes[static_cast<std::size_t>(i - 1)]->Text();
        b.run(Bold::On, Blue, q(modRashiInformation::RashiFieldNames[static_cast<std::size_t>(i)]) +
                                  QStringLiteral(": "));
        b.run(Bold::Off, Black, value + TwoLineBreaks);
        b.footer();
    }
    b.run(Bold::On, Blue, AboutHeading + LineBreak);
    b.run(Bold::Off, Black, q(kundalicontent::productParagraph()));
    return b.take();
}

KundaliReport NakshatraReportRuns(KundaliPerson who)
{
    const auto& s = modVedicCompatibility::state();
    frmVedicResult& w = forms::get<frmVedicResult>();
    Builder b;
    b.run(Bold::On, Blue, QStringLiteral("Nakshatra Information of "));
    b.run(Bold::Off, Black, q(who == KundaliPerson::Boy ? s.Boy.Name : s.Girl.Name) + TwoLineBreaks);
    b.footer();
    const auto boxes = w.NakshatraBoxes(who);
    for (int i = 0; i < modNakshatraInformation::NakshatraFieldCount; ++i) {
        const QString value =
            i == 0 ? w.NakshatraNameLabel(who)->text() : boxes[static_cast<std::size_t>(i - 1)]->Text();
        b.run(Bold::On, Blue, q(modNakshatraInformation::NakshatraFieldNames[static_cast<std::size_t>(i)]) +
                                  QStringLiteral(": "));
        b.run(Bold::Off, Black, value + TwoLineBreaks);
        b.footer();
    }
    b.run(Bold::On, Blue, AboutHeading + LineBreak);
    b.run(Bold::Off, Black, q(kundalicontent::productParagraph()));
    return b.take();
}

void WriteKundaliRuns(RichTextBox* box, const KundaliReport& runs)
{
    // The runs go in at the end of the text, whatever the user selected.
    box->setSelStart(box->TextLength());
    for (const KundaliReportRun& r : runs)
        ReportWindow::WriteRun(box, r.bold, r.color, r.text);
}

void WriteMatchReport(RichTextBox* box, bool withFooters)
{
    WriteKundaliRuns(box, MatchReportRuns(withFooters));
}

void frmVedicResult::cmdSave_Click()
{
    const int index = TSAll->SelectedItem();
    if (index < 1 || index > 5)
        return; // the About tab has no report
    frmSaveKundali& report = forms::get<frmSaveKundali>();
    RichTextBox* box = report.RTB;
    // A cleared box starts again from regular black, as a fresh box does.
    box->setText(QString());
    box->setSelBold(false);
    box->setSelColor(Black);
    KundaliReport runs;
    switch (index) {
    case 1: runs = MatchReportRuns(true); break;
    case 2: runs = RashiReportRuns(KundaliPerson::Boy); break;
    case 3: runs = RashiReportRuns(KundaliPerson::Girl); break;
    case 4: runs = NakshatraReportRuns(KundaliPerson::Boy); break;
    default: runs = NakshatraReportRuns(KundaliPerson::Girl); break;
    }
    WriteKundaliRuns(box, runs);
    report.ShowModal();
}
