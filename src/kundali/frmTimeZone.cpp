#include "frmTimeZone.h"

#include "frmMainKundali.h"
#include "modVedicCompatibility.h"

#include "Forms.h"
#include "TimeZoneTable.h"
#include "TwipsLayout.h"

#include <QEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace {

QFont verdana(bool bold)
{
    QFont f(QStringLiteral("Verdana"));
    f.setPointSizeF(8.25);
    f.setBold(bold);
    return f;
}

} // namespace

frmTimeZone::frmTimeZone() : Form(FormName, Kind::Dialog)
{
    setCaption(QStringLiteral("Vorlaine Astrology Kundali Match"));
    setFont(verdana(false));

    lstTimeZone = new QListWidget(this);
    lstTimeZone->setObjectName(QStringLiteral("lstTimeZone"));
    lstTimeZone->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTimeZone->setSortingEnabled(false);
    lstTimeZone->setFont(verdana(true));
    QPalette pal = lstTimeZone->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    pal.setColor(QPalette::Text, Qt::black);
    lstTimeZone->setPalette(pal);
    placeTwips(lstTimeZone, 0, 0, 4935, 3150);
    // Any double-click in the list picks, also one below the last row.
    lstTimeZone->viewport()->installEventFilter(this);

    cmdQuit = new QPushButton(QStringLiteral("&Quit"), this);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit->setFont(verdana(true));
    cmdQuit->setDefault(true);
    placeTwips(cmdQuit, 0, 3150, 4935, 345);
    connect(cmdQuit, &QPushButton::clicked, this, [this] { cmdQuit_Click(); });

    // Quit is the default and the cancel button: Enter and Escape press it.
    // Ctrl+F4 closes it as it closes the program's other modal windows.
    pressOnKeys(cmdQuit, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Escape),
                          QKeySequence(Qt::CTRL | Qt::Key_F4)});

    setTabOrder(lstTimeZone, cmdQuit);
    setClientSizeTwips(4935, 3480);
}

void frmTimeZone::Form_Load()
{
    for (int i = 0; i < timezones::RowCount; ++i) {
        const auto text = timezones::rowText(i);
        lstTimeZone->addItem(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    }
    lstTimeZone->clearSelection();
    lstTimeZone->setFocus();
}

int frmTimeZone::ListIndex() const
{
    const QList<QListWidgetItem*> selected = lstTimeZone->selectedItems();
    return selected.isEmpty() ? -1 : lstTimeZone->row(selected.first());
}

void frmTimeZone::lstTimeZone_DblClick()
{
    // Only the window that opened the picker is written; none is loaded
    // for it.
    if (forms::isLoaded<frmMainKundali>()) {
        frmMainKundali& input = forms::get<frmMainKundali>();
        const bool boy = modVedicCompatibility::IsMaleTimeZone;
        QLineEdit* hours = boy ? input.txtMZoneHour : input.txtFZoneHour;
        QLineEdit* minutes = boy ? input.txtMZoneMinute : input.txtFZoneMinute;
        if (const auto z = timezones::zone(ListIndex())) {
            hours->setText(QString::fromStdString(timezones::formatZoneValue(z->zoneHours)));
            minutes->setText(QString::fromStdString(timezones::formatZoneValue(z->zoneMinutes)));
        }
    }
    Unload();
}

void frmTimeZone::cmdQuit_Click()
{
    Unload();
}

bool frmTimeZone::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lstTimeZone->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        lstTimeZone_DblClick();
        return true;
    }
    return Form::eventFilter(watched, event);
}
