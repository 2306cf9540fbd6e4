#pragma once

#include <QDate>
#include <QString>

class QTextDocument;

// Everything interactive or outside the program goes through Desktop, so the
// windows never call Qt's dialogs, printer or browser themselves and tests can
// script the answers.
namespace platform {

inline const QString ApplicationTitle = QStringLiteral("Vorlaine Love Test");
// The product's web site, where its pages and the reports' footers point.
inline const QString SiteBaseAddress = QStringLiteral("https://www.vorlaine.example");
// The site as the labels name it in prose, without the scheme.
inline const QString SiteHostName = QString(SiteBaseAddress).remove(QStringLiteral("https://"));

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { OK, OKCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MsgResult { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

// Flags of the common file dialog that the windows set.
namespace cdl {
inline constexpr unsigned OverwritePrompt = 0x2;
inline constexpr unsigned HideReadOnly = 0x4;
inline constexpr unsigned PathMustExist = 0x800;
inline constexpr unsigned FileMustExist = 0x1000;
inline constexpr unsigned NoReadOnlyReturn = 0x8000;
} // namespace cdl

// The properties of the common dialog. Filter is "Description|pattern|..."
// as the windows write it; FilterIndex counts from 1.
struct CommonDialog {
    QString Filter;
    int FilterIndex = 1;
    QString DefaultExt;
    unsigned Flags = 0;
    QString DialogTitle;
    QString FileName;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // An empty title shows the application title.
    virtual MsgResult MsgBox(const QString& text, MsgButtons buttons = MsgButtons::OK,
                             MsgIcon icon = MsgIcon::None, const QString& title = {}) = 0;
    virtual void OpenUrl(const QString& address) = 0;
    // Both return false when the user cancels; on true, dlg.FileName holds
    // the chosen path (with DefaultExt added when the name had no extension)
    // and dlg.FilterIndex the chosen filter.
    virtual bool ShowSave(CommonDialog& dlg) = 0;
    virtual bool ShowOpen(CommonDialog& dlg) = 0;
    // Prints on the default printer; false when there is none.
    virtual bool PrintDocument(const QTextDocument& doc, const QString& jobName) = 0;
    virtual int ScreenWidthTwips() = 0;
    virtual QDate Today() = 0;
};

Desktop& desktop();
// Installs d (not owned) as the desktop; nullptr restores the Qt one.
void setDesktop(Desktop* d);

// Adds DefaultExt to a file name whose last path part has no extension.
QString withDefaultExtension(const QString& fileName, const QString& defaultExt);
// "Rich Text (*.rtf)|*.rtf|All (*.*)|*.*" -> Qt name filters.
QStringList qtNameFilters(const QString& filter);

} // namespace platform
