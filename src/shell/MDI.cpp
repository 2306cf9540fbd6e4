#include "MDI.h"

#include "DocumentScrollBar.h"
#include "HelpMenu.h"
#include "MainWindowLayout.h"
#include "modHelp.h"

#include "AppIcon.h"
#include "ClickLabel.h"
#include "Desktop.h"
#include "Forms.h"
#include "SingleInstance.h"
#include "Twips.h"
#include "TwipsLayout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHideEvent>
#include <QResizeEvent>
#include <QWindowStateChangeEvent>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QWindow>

#include <algorithm>
#include <optional>
#include <stdexcept>

using platform::desktop;

namespace {

constexpr const char* LauncherCaptions[6] = {"Astro", "Kundali", "Chinese", "Moon Sign", "Number", "Zodiac"};
constexpr const char* LauncherIcons[6] = {":/icons/astro.svg", ":/icons/kundali.svg", ":/icons/chinese.svg",
                                          ":/icons/moonsign.svg", ":/icons/numerology.svg", ":/icons/zodiac.svg"};

const char* const CaptionTexts[10] = {
    "Welcome to Vorlaine Love Test",
    "Vorlaine Love Test is a comprehensive and advanced Love Test software and the first of its kind "
    "to be ever launched by an esoteric website. The program has a combined collection of Love Test "
    "softwares based on the different schools of thought.",
    "Vorlaine Love Test includes the following:",
    "Vorlaine Astro Compatibility",
    "Vorlaine Kundali Match",
    "Vorlaine Chinese Zodiac Compatibility",
    "Vorlaine Moon Sign Compatibility",
    "Vorlaine Numerology Compatibility",
    "Vorlaine Zodiac Compatibility",
    "Click on the corresponding icon above to start the program of your choice."};

// Designed top, width and height of each caption label, in twips.
struct Design {
    double top, width, height;
};
constexpr Design CaptionDesign[10] = {
    {360, 6000, 500},  {1000, 10000, 900}, {2100, 5000, 360}, {2700, 5000, 360}, {3200, 5000, 360},
    {3700, 5000, 360}, {4200, 5000, 360},  {4700, 5000, 360}, {5200, 5000, 360}, {6000, 9000, 360}};

constexpr double HeadingWidth = 7000, UrlWidth = 9000, ContainerWidth = 11320;

void (*exitHandler)() = [] { QCoreApplication::exit(0); };

MDI* theMdi = nullptr;

} // namespace

MDI& mdi()
{
    if (!theMdi)
        theMdi = new MDI;
    return *theMdi;
}

bool mdiExists()
{
    return theMdi != nullptr;
}

float MDI::CentredLeft(float screenWidthTwips, float controlWidthTwips)
{
    return (screenWidthTwips - controlWidthTwips) / 2.0f;
}

MDI::MDI()
{
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(QStringLiteral("Vorlaine Love Test v2.30"));
    setWindowIcon(AppIcon());

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    setCentralWidget(central);

    // Top band.
    Picture1 = new QWidget(central);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAttribute(Qt::WA_StyledBackground, true);
    Picture1->setStyleSheet(QStringLiteral("#Picture1 { background: #7a1f3d; }"));
    Picture1->setFixedHeight(platform::twipsToPixelsY(1560));

    lblHeading = new QLabel(QStringLiteral("Vorlaine Love Test"), Picture1);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    lblHeading->setAlignment(Qt::AlignCenter);
    lblHeading->setStyleSheet(QStringLiteral("color: #fff4e0; font-family: Verdana; font-size: 17pt; font-weight: bold;"));
    placeTwips(lblHeading, 0, 40, HeadingWidth, 460);

    lblURL = NewLinkLabel(QStringLiteral("Discover more free love tests, horoscopes and readings at ")
                              + platform::SiteHostName + QStringLiteral(" - come and visit us today!"),
                          Picture1, Qt::AlignCenter);
    lblURL->setObjectName(QStringLiteral("lblURL"));
    lblURL->setStyleSheet(QStringLiteral("color: #ffd479; font-family: Verdana; font-size: 8pt;"));
    placeTwips(lblURL, 0, 500, UrlWidth, 250);
    connect(lblURL, &ClickLabel::clicked, this, [this] { lblURL_Click(); });

    fraContainer = new QFrame(Picture1);
    fraContainer->setObjectName(QStringLiteral("fraContainer"));
    placeTwips(fraContainer, 0, 780, ContainerWidth, 720);
    for (int i = 0; i < 6; ++i) {
        auto* b = new QPushButton(QString::fromLatin1(LauncherCaptions[i]), fraContainer);
        b->setObjectName(QStringLiteral("cmdCallMainForm_%1").arg(i));
        b->setIcon(QIcon(QString::fromLatin1(LauncherIcons[i])));
        b->setIconSize(QSize(platform::twipsToPixelsX(480), platform::twipsToPixelsY(480)));
        b->setCursor(Qt::PointingHandCursor);
        b->setStyleSheet(QStringLiteral(
            "QPushButton { background: #fff4e0; color: #7a1f3d; font-family: Verdana; font-size: 9pt;"
            " font-weight: bold; border: 1px solid #c9a227; border-radius: 4px; }"
            "QPushButton:hover { background: #ffe6b0; }"));
        placeTwips(b, 40 + i * 1880, 40, 1800, 640);
        cmdCallMainForm[i] = b;
        connect(b, &QPushButton::clicked, this, [this, i] { cmdCallMainForm_Click(i); });
    }

    // Welcome panel, in a view that scrolls to its labels where the panel
    // has less than their height.
    panelView = new QScrollArea(central);
    panelView->setObjectName(QStringLiteral("panelView"));
    panelView->setFrameShape(QFrame::NoFrame);
    panelView->setVerticalScrollBar(new DocumentScrollBar(Qt::Vertical, panelView));
    picMain = new TrackingPanel;
    picMain->setObjectName(QStringLiteral("picMain"));
    picMain->setAttribute(Qt::WA_StyledBackground, true);
    picMain->setStyleSheet(QStringLiteral("#picMain { background: #fff8ee; }"));
    connect(picMain, &TrackingPanel::mouseMoved, this, [this] { picMain_MouseMove(); });
    for (int i = 0; i < 10; ++i) {
        auto* l = new ClickLabel(QString::fromLatin1(CaptionTexts[i]), picMain);
        l->setObjectName(QStringLiteral("lblCaptions_%1").arg(i));
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(i == 1);
        QString style = QStringLiteral("font-family: Verdana; ");
        if (i == 0)
            style += QStringLiteral("color: #7a1f3d; font-size: 15pt; font-weight: bold;");
        else if (i >= 3 && i <= 8)
            style += QStringLiteral("color: #b0305a; font-size: 11pt; font-weight: bold;");
        else
            style += QStringLiteral("color: #3b2a2a; font-size: 10pt;");
        l->setStyleSheet(style);
        if (i >= 3 && i <= 8)
            l->setCursor(Qt::PointingHandCursor);
        placeTwips(l, 0, CaptionDesign[i].top, CaptionDesign[i].width, CaptionDesign[i].height);
        lblCaptions[i] = l;
        connect(l, &ClickLabel::clicked, this, [this, i] { lblCaptions_Click(i); });
        connect(l, &ClickLabel::mouseMoved, this, [this, i] { lblCaptions_MouseMove(i); });
    }
    panelView->setWidget(picMain);

    // Document area for the test windows.
    area = new QMdiArea(central);
    area->setObjectName(QStringLiteral("area"));
    area->setBackground(QColor(0xf3, 0xe3, 0xe8));
    area->setVerticalScrollBar(new DocumentScrollBar(Qt::Vertical, area));
    area->setHorizontalScrollBar(new DocumentScrollBar(Qt::Horizontal, area));
    forms::setMdiArea(area);

    // Bottom band.
    Picture2 = new QWidget(central);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAttribute(Qt::WA_StyledBackground, true);
    Picture2->setStyleSheet(QStringLiteral("#Picture2 { background: #7a1f3d; }"));
    Picture2->setFixedHeight(platform::twipsToPixelsY(600));
    cmdExit = new QPushButton(QStringLiteral("&Exit"), Picture2);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    placeTwips(cmdExit, 0, 90, 1300, 420);
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    // The button's access key would answer from inside every test window, as
    // all of them sit in this window; it is the main window's own key only
    // while no test window is active (kept up to date with the menu bar).
    cmdExit->setShortcut(QKeySequence());
    exitKey_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_E), this);
    connect(exitKey_, &QShortcut::activated, cmdExit, [this] {
        if (!forms::modalWindowOpen() && cmdExit->isEnabled())
            cmdExit->animateClick();
    });
    new MainWindowLayout(central, Picture1, panelView, platform::twipsToPixelsY(8415), area, Picture2);

    // Menus.
    mnuFile = addMenu(QStringLiteral("&File"));
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    mnuHelp = AddHelpMenu(this).mnuHelp;
    connect(area, &QMdiArea::subWindowActivated, this, [this] { updateMenuBar(); });
    forms::setMenuHost([this] { updateMenuBar(); });
    updateMenuBar();

    MDIForm_Load();
}

QMenu* MDI::addMenu(const QString& title)
{
    auto* menu = new QMenu(title, this);
    ownMenus_ << menu;
    return menu;
}

void MDI::updateMenuBar()
{
    QList<QMenu*> wanted = ownMenus_;
    QMdiSubWindow* active = area->activeSubWindow();
    if (!active)
        active = area->currentSubWindow();
    if (exitKey_)
        exitKey_->setEnabled(!(active && active->isVisible()));
    if (active && active->isVisible())
        if (auto* form = qobject_cast<Form*>(active->widget()); form && !form->menus().isEmpty())
            wanted = form->menus();
    QList<QPointer<QMenu>> next(wanted.begin(), wanted.end());
    if (next == shownMenus_)
        return;
    // The menus stay with their windows; the bar only lists them.
    menuBar()->clear();
    for (QMenu* m : wanted)
        menuBar()->addMenu(m);
    shownMenus_ = next;
}

void MDI::MDIForm_Load()
{
    const float screen = static_cast<float>(desktop().ScreenWidthTwips());
    auto centre = [screen](QWidget* w) {
        moveLeftTwips(w, CentredLeft(screen, static_cast<float>(widthTwips(w))));
    };
    centre(lblHeading);
    centre(lblURL);
    centre(fraContainer);
    for (auto* l : lblCaptions)
        centre(l);
    moveLeftTwips(cmdExit, screen - 2000.0f);
}

void MDI::unloadTestWindows()
{
    for (std::string_view name : TestWindows)
        forms::unload(std::string(name));
}

void MDI::openInputWindow(int index)
{
    Form& w = forms::get(std::string(Launchers[index]));
    const float screen = static_cast<float>(desktop().ScreenWidthTwips());
    w.setLeft(CentredLeft(screen, w.Width()));
    w.setTop(0.0f);
    w.Show();
}

void MDI::cmdCallMainForm_Click(int Index)
{
    if (Index < 0 || Index > 5)
        return;
    unloadTestWindows();
    picMain->setVisible(false);
    openInputWindow(Index);
}

void MDI::lblCaptions_Click(int Index)
{
    unloadTestWindows();
    if (Index < 3 || Index > 8)
        return;
    openInputWindow(Index - 3);
    picMain->setVisible(false);
}

void MDI::lblCaptions_MouseMove(int Index)
{
    if (Index < 3 || Index > 8)
        return;
    QFont f = lblCaptions[Index]->font();
    f.setUnderline(true);
    lblCaptions[Index]->setFont(f);
}

void MDI::picMain_MouseMove()
{
    for (int i = 0; i <= 8; ++i) {
        QFont f = lblCaptions[i]->font();
        f.setUnderline(false);
        lblCaptions[i]->setFont(f);
    }
}

void MDI::lblURL_Click()
{
    OpenHomePage();
}

void MDI::cmdExit_Click()
{
    MDIForm_Unload();
}

void MDI::mnuExit_Click()
{
    cmdExit_Click();
}

void MDI::mnuOnline_Click()
{
    OpenHelpPage();
}

void MDI::mnuVisit_Click()
{
    OpenHomePage();
}

void MDI::mnuUpdate_Click()
{
    OpenUpdatePage();
}

void MDI::mnuAbout_Click()
{
    ShowAboutBox();
}

void MDI::MDIForm_Unload()
{
    if (unloading_)
        return;
    unloading_ = true;
    ExitApplication();
    unloading_ = false; // only reached where ending the process was replaced
}

void MDI::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    // Restored from maximised, a window as large as the screen would put its
    // frame, and with it the bottom band, past the screen's edge.
    if (e->type() == QEvent::WindowStateChange) {
        const auto old = static_cast<QWindowStateChangeEvent*>(e)->oldState();
        restoring_ = (old & Qt::WindowMaximized) && windowState() == Qt::WindowNoState;
        if (restoring_)
            QMetaObject::invokeMethod(this, [this] { keepOnScreen(); }, Qt::QueuedConnection);
    }
}

void MDI::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    // The window system may give the restored size after telling of the
    // change, and the frame is known only once it has placed the window.
    if (restoring_)
        QMetaObject::invokeMethod(this, [this] { keepOnScreen(); }, Qt::QueuedConnection);
}

void MDI::hideEvent(QHideEvent* e)
{
    QMainWindow::hideEvent(e);
    restoring_ = false;
}

void MDI::keepOnScreen()
{
    QScreen* s = screen();
    if (!restoring_ || !s || windowState() != Qt::WindowNoState)
        return;
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QRect room = s->availableGeometry().marginsRemoved(frame);
    QRect g = geometry();
    if (room.contains(g))
        return;
    restoring_ = false;
    g.setSize(g.size().boundedTo(room.size()));
    g.moveLeft(std::clamp(g.left(), room.left(), room.right() + 1 - g.width()));
    g.moveTop(std::clamp(g.top(), room.top(), room.bottom() + 1 - g.height()));
    setGeometry(g);
}

void MDI::closeEvent(QCloseEvent* e)
{
    // While a modal window waits for the user, the program cannot be closed
    // behind its back.
    if (forms::modalWindowOpen()) {
        e->ignore();
        return;
    }
    MDIForm_Unload();
    e->accept();
}

StartUp StartApplication(const std::function<void()>& showMainWindow)
{
    // Every window and message box of the program carries its icon.
    QApplication::setWindowIcon(AppIcon());
    // Held for the program's life once it runs.
    static std::optional<platform::SingleInstance> instance;
    instance.emplace();
    if (instance->anotherIsRunning()) {
        instance.reset();
        desktop().MsgBox(QStringLiteral("Application is already running"), platform::MsgButtons::OK,
                         platform::MsgIcon::Information);
        ExitApplication();
        return StartUp::AnotherCopy;
    }
    // The reminder is a courtesy: whatever goes wrong in it, the program
    // still starts.
    try {
        CheckUpdateReminder();
    } catch (const std::exception&) {
    }
    QString reason;
    try {
        showMainWindow();
    } catch (const std::exception& e) {
        reason = QString::fromLocal8Bit(e.what());
    }
    if (reason.isEmpty() && mdiExists() && mdi().isVisible())
        return StartUp::Running;
    instance.reset();
    QString text = QStringLiteral("Vorlaine Love Test could not open its main window and has to close.");
    if (!reason.isEmpty())
        text += QStringLiteral("\n\n") + reason;
    desktop().MsgBox(text, platform::MsgButtons::OK, platform::MsgIcon::Critical);
    ExitApplication();
    return StartUp::NoMainWindow;
}

void ShowMainWindow()
{
    // The layout is worked out for a window as wide as the screen: restored,
    // the window takes the screen's available area, and keepOnScreen then
    // brings its frame inside too.
    MDI& m = mdi();
    if (!m.windowHandle())
        if (QScreen* screen = QGuiApplication::primaryScreen())
            m.setGeometry(screen->availableGeometry());
    m.showMaximized();
}

void ExitApplication()
{
    for (Form* f : forms::loaded())
        forms::unload(f->formName());
    if (mdiExists())
        mdi().hide();
    exitHandler();
}

void setExitHandler(void (*handler)())
{
    exitHandler = handler;
}
