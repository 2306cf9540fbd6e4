#pragma once

#include <QKeySequence>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <string>

class QMdiSubWindow;
class QPushButton;
class QMenu;

// Base of every window of the program. A window exists as one shared
// instance reached through the registry (forms::get<T>()): the first touch
// constructs it and runs Form_Load, Unload() runs Form_Unload and destroys it,
// and the next touch builds it afresh. Position and size are in twips.
class Form : public QWidget {
    Q_OBJECT
public:
    enum class Kind {
        MdiChild, // a child window of the main window's document area
        Dialog,   // a top-level dialog (the About box)
    };

    Form(const char* formName, Kind kind = Kind::MdiChild);
    ~Form() override;

    const std::string& formName() const { return name_; }
    Kind kind() const { return kind_; }

    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // Outer position and size in twips, relative to the document area.
    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setLeft(float twips);
    void setTop(float twips);
    // The size of the window's client area in twips (the designed size).
    void setClientSizeTwips(float width, float height);

    // Left = (screen width - Width) / 2 in single precision, Top = 0.
    void CentreOnScreenTop();

    void Show(); // modeless
    // Modal: returns when the window is unloaded or hidden by the program.
    // Maximise, restore and minimise keep it waiting. Afterwards the window
    // that was active before has the activation and its focus back.
    void ShowModal();
    void Hide();
    void Unload();
    bool isShownModal() const { return modal_; }

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& text) { setWindowTitle(text); }

    // The frame that holds the window on screen (sub-window or the form).
    QWidget* frame();

    // A menu of this window. The main window's menu bar shows a child
    // window's menus, in the order added, while it is the active child.
    QMenu* addMenu(const QString& title);
    const QList<QMenu*>& menus() const { return menus_; }

signals:
    // Hide() or an unload took the window off the screen.
    void hiddenByProgram();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    // A top-level dialog has no minimise box: where the window manager
    // draws one anyway, it brings the dialog straight back.
    void changeEvent(QEvent* e) override;

    // The window is this many pixels taller than the room it is shown in
    // (the screen's available area, or the document area's view); a window
    // that can give up height does so. The size is in client pixels.
    virtual void GiveUpHeight(int /*pixels*/) {}

    // Each of keys presses button wherever the focus is in this window, as a
    // dialog's default and cancel buttons answer Enter and Escape.
    void pressOnKeys(QPushButton* button, std::initializer_list<QKeySequence> keys);

private:
    void applyGeometry();
    void fitToRoom();
    void placeDialog(const QMargins& frame);
    void placeOnceFramed(QMargins guessed, int triesLeft);
    void noteBeforeStateChange(Qt::WindowStates old);
    void keepViewAcross(Qt::WindowStates old, Qt::WindowStates now);

    std::string name_;
    Kind kind_;
    QPointer<QMdiSubWindow> sub_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool modal_ = false;
    bool placed_ = false; // Left or Top set by the window itself
    bool reframing_ = false; // applyGeometry passes through the restored state
    QPoint viewBeforeMaximised_;  // the document area's scroll values
    QPoint placeBeforeMaximised_; // the frame's place in the area's view
    bool maximisedFromPlace_ = false; // the two above were taken
    QPointer<QWidget> lastFocus_; // the control the user last had the focus in
    QPointer<QMdiSubWindow> opener_; // the window a modal one was opened over
    QPoint openerView_;              // and the scroll values it was seen at
    QList<QMenu*> menus_;
};

// The rules every window of the program shares, taken once for the whole
// application at start-up: labels as plain text (below) and the keys of
// ApplicationKeys.h.
void InstallWindowRules();

// Labels inside a window show their text as plain text, never as markup, so
// whatever a user typed is shown literally. A label that really carries
// markup says so with this property set to true.
inline constexpr const char* RichTextLabelProperty = "richTextLabel";
