#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <string_view>

class ClickLabel;
class QAction;
class QFrame;
class QLabel;
class QMdiArea;
class QMenu;
class QPushButton;
class QScrollArea;
class QShortcut;
class TrackingPanel;

// The main window: the top band with the six launchers, the welcome panel,
// the document area that holds the test windows, and the bottom band.
class MDI : public QMainWindow {
    Q_OBJECT
public:
    MDI();

    // The seventeen test windows every launch unloads, in this order.
    static constexpr std::array<std::string_view, 17> TestWindows = {
        "frmchiness", "frmDisp", "frmmainChinese", "frmMainKundali",
        "frmMainMoonSigncompatibility", "frmMainNumerology", "frmMainZodiac", "frmMatch",
        "frmMoonSign", "frmReport", "frmSaveChinese", "frmSaveDocumentNumerology",
        "frmSaveKundali", "frmSaveMoonSign", "frmSaveZodiac", "frmSunSign", "frmVedicResult"};
    // The input window of launcher button i (label i + 3).
    static constexpr std::array<std::string_view, 6> Launchers = {
        "frmMatch", "frmMainKundali", "frmmainChinese",
        "frmMainMoonSigncompatibility", "frmMainNumerology", "frmMainZodiac"};

    // Controls.
    QWidget* Picture1;
    QLabel* lblHeading;
    ClickLabel* lblURL;
    QFrame* fraContainer;
    std::array<QPushButton*, 6> cmdCallMainForm{}; // each shows its icon picture
    QScrollArea* panelView; // shows picMain, scrolled where it is cut short
    TrackingPanel* picMain;
    std::array<ClickLabel*, 10> lblCaptions{};
    QMdiArea* area;
    QWidget* Picture2;
    QPushButton* cmdExit;
    QMenu* mnuFile;
    QAction* mnuExit;
    QMenu* mnuHelp;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;

    // Handlers.
    void MDIForm_Load();
    void MDIForm_Unload();
    void cmdCallMainForm_Click(int Index);
    void lblCaptions_Click(int Index);
    void lblCaptions_MouseMove(int Index);
    void picMain_MouseMove();
    void lblURL_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();

    // One of the main window's own menus, shown while no child window with
    // menus of its own is active.
    QMenu* addMenu(const QString& title);
    // Shows the active child window's menus, or the main window's own.
    void updateMenuBar();

    // Exact left edge the layout gives a control of the given width, in twips.
    static float CentredLeft(float screenWidthTwips, float controlWidthTwips);

protected:
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void keepOnScreen();
    void unloadTestWindows();
    void openInputWindow(int index);
    bool unloading_ = false;
    bool restoring_ = false; // restored from maximised, not yet seen to fit
    QShortcut* exitKey_ = nullptr; // Alt+E for cmdExit while no test window is active
    QList<QMenu*> ownMenus_;
    QList<QPointer<QMenu>> shownMenus_;
};

// The one main window, created on first use.
MDI& mdi();
bool mdiExists();

// How a start-up ended.
enum class StartUp {
    Running,       // the main window is up: run the event loop
    AnotherCopy,   // another copy runs: end at once
    NoMainWindow,  // the main window could not be shown: end with a failure
};

// Start-up: single instance, update reminder, then showMainWindow (the
// program passes ShowMainWindow). A failure of the reminder is passed over;
// a main window that cannot be shown is told to the user, and the lock is
// given up so that a later start is not taken for a running copy.
StartUp StartApplication(const std::function<void()>& showMainWindow);

// Shows the main window maximised on the screen, as the program starts.
void ShowMainWindow();

// Unloads every loaded window, then ends the process.
void ExitApplication();
// Tests replace the final step (ending the process) with their own.
void setExitHandler(void (*handler)());
