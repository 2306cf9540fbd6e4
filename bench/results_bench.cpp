// From the click on a test's calculate button to the first paint of its result
// window, offscreen, for each of the six tests. The program starts as a user
// starts it (main window maximised); each click opens a new result window.
//
// EachResultOnce runs first in a fresh process: it opens every result window
// once and reports that first click's time per test and the peak resident
// memory so far.
#include "Desktop.h"
#include "Forms.h"
#include "MDI.h"
#include "Program.h"
#include "Settings.h"
#include "TestWindow.h"

#include "frmMainKundali.h"
#include "frmMainMoonSigncompatibility.h"
#include "frmMainNumerology.h"
#include "frmMainZodiac.h"
#include "frmMatch.h"
#include "frmMoonSign.h"
#include "frmReport.h"
#include "frmSaveDocumentNumerology.h"
#include "frmSunSign.h"
#include "frmVedicResult.h"
#include "frmchiness.h"
#include "frmmainChinese.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>

namespace {

// Any message box means the entries were refused: the bench reports it.
class QuietDesktop : public platform::Desktop {
public:
    QStringList messages;
    platform::MsgResult MsgBox(const QString& text, platform::MsgButtons, platform::MsgIcon,
                               const QString&) override
    {
        messages << text;
        return platform::MsgResult::OK;
    }
    void OpenUrl(const QString&) override {}
    bool ShowSave(platform::CommonDialog&) override { return false; }
    bool ShowOpen(platform::CommonDialog&) override { return false; }
    bool PrintDocument(const QTextDocument&, const QString&) override { return false; }
    int ScreenWidthTwips() override { return 19200; }
    QDate Today() override { return QDate::currentDate(); }
};

QuietDesktop& quiet()
{
    static QuietDesktop d;
    return d;
}

void pick(QComboBox* box, const QString& text)
{
    const int i = box->findText(text);
    if (i >= 0)
        box->setCurrentIndex(i);
}

void place(QLineEdit* latD, QLineEdit* latM, QLineEdit* lonD, QLineEdit* lonM, QLineEdit* city, QLineEdit* state,
           QLineEdit* country)
{
    latD->setText(QStringLiteral("28"));
    latM->setText(QStringLiteral("37"));
    lonD->setText(QStringLiteral("77"));
    lonM->setText(QStringLiteral("13"));
    city->setText(QStringLiteral("New Delhi"));
    state->setText(QStringLiteral("Delhi"));
    country->setText(QStringLiteral("India"));
}

// One test: its launcher, how its entries are filled, its button and the
// result window that button opens.
struct Test {
    const char* name;
    int launcher;
    std::function<QPushButton*()> fill; // the button to click
    const char* resultForm;
};

const std::array<Test, 6>& tests()
{
    static const std::array<Test, 6> list{{
        {"SunSign", 5,
         [] {
             auto& w = forms::get<frmMainZodiac>();
             w.txtNameM->setText(QStringLiteral("Asha"));
             w.txtNameF->setText(QStringLiteral("Ben"));
             return w.cmdSunSign;
         },
         frmSunSign::FormName},
        {"Astro", 0,
         [] {
             auto& w = forms::get<frmMatch>();
             w.txtMName->setText(QStringLiteral("Asha"));
             place(w.txtMLD, w.txtMLM, w.txtMLoD, w.txtMLoM, w.txtMCity, w.txtMState, w.txtMCountry);
             w.txtFName->setText(QStringLiteral("Ben"));
             place(w.txtFLD, w.txtFLM, w.txtFLoD, w.txtFLoM, w.txtFCity, w.txtFState, w.txtFCountry);
             return w.cmdCalculate;
         },
         frmReport::FormName},
        {"Kundali", 1,
         [] {
             auto& w = forms::get<frmMainKundali>();
             w.txtMName->setText(QStringLiteral("Asha"));
             pick(w.cboMYear, QStringLiteral("1990"));
             w.txtMZoneHour->setText(QStringLiteral("5"));
             w.txtMZoneMinute->setText(QStringLiteral("30"));
             place(w.txtMLD, w.txtMLM, w.txtMLoD, w.txtMLoM, w.txtMCity, w.txtMState, w.txtMCountry);
             w.txtFName->setText(QStringLiteral("Ben"));
             pick(w.cboFYear, QStringLiteral("1992"));
             pick(w.cboFMonth, QStringLiteral("June"));
             w.txtFZoneHour->setText(QStringLiteral("5"));
             w.txtFZoneMinute->setText(QStringLiteral("30"));
             place(w.txtFLD, w.txtFLM, w.txtFLoD, w.txtFLoM, w.txtFCity, w.txtFState, w.txtFCountry);
             return w.cmdCalculate;
         },
         frmVedicResult::FormName},
        {"MoonSign", 3,
         [] {
             auto& w = forms::get<frmMainMoonSigncompatibility>();
             w.txtMName->setText(QStringLiteral("Asha"));
             place(w.txtMLatD, w.txtMLatM, w.txtMLonD, w.txtMLonM, w.txtMCity, w.txtMState, w.txtMCountry);
             w.txtFName->setText(QStringLiteral("Ben"));
             pick(w.cboFYear, QStringLiteral("1992"));
             place(w.txtFLatD, w.txtFLatM, w.txtFLonD, w.txtFLonM, w.txtFCity, w.txtFState, w.txtFCountry);
             return w.cmdRashi;
         },
         frmMoonSign::FormName},
        {"Chinese", 2,
         [] {
             auto& w = forms::get<frmmainChinese>();
             w.txtMaleName->setText(QStringLiteral("Asha"));
             pick(w.cboMaleMonth, QStringLiteral("March"));
             pick(w.CboMaleDate, QStringLiteral("3"));
             pick(w.cboMaleYear, QStringLiteral("1990"));
             w.txtFemaleName->setText(QStringLiteral("Ben"));
             pick(w.cboFemaleMonth, QStringLiteral("August"));
             pick(w.cboFemaleDate, QStringLiteral("8"));
             pick(w.cboFemaleYear, QStringLiteral("1988"));
             return w.cmdProceed;
         },
         frmchiness::FormName},
        {"Numerology", 4,
         [] {
             auto& w = forms::get<frmMainNumerology>();
             w.txtMF->setText(QStringLiteral("Asha"));
             w.txtML->setText(QStringLiteral("Rao"));
             pick(w.cboMM, QStringLiteral("March"));
             pick(w.cboMD, QStringLiteral("3"));
             pick(w.cboMY, QStringLiteral("1990"));
             w.txtFF->setText(QStringLiteral("Ben"));
             w.txtFL->setText(QStringLiteral("Moss"));
             pick(w.cboFM, QStringLiteral("August"));
             pick(w.cboFD, QStringLiteral("8"));
             pick(w.cboFY, QStringLiteral("1988"));
             return w.cmdCR;
         },
         frmSaveDocumentNumerology::FormName},
    }};
    return list;
}

// Notes the first paint of the watched window or of anything inside it.
class PaintWatch : public QObject {
public:
    const char* form = nullptr;
    bool painted = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !painted && form && o->isWidgetType() && forms::isLoaded(form)) {
            QWidget* w = &forms::get(form);
            auto* target = static_cast<QWidget*>(o);
            if (target == w || w->isAncestorOf(target))
                painted = true;
        }
        return false;
    }
};

PaintWatch& watch()
{
    static PaintWatch* p = [] {
        auto* w = new PaintWatch;
        qApp->installEventFilter(w);
        return w;
    }();
    return *p;
}

double threadCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

struct Timing {
    double wall = -1; // seconds; negative when no result was painted
    double cpu = 0;   // of the window thread alone: no waiting, no helper threads
};

// Opens the test's input window and fills it; then times the click to the
// result window's first paint.
Timing clickToPaint(const Test& t, std::string& error)
{
    mdi().cmdCallMainForm_Click(t.launcher);
    // The windows it closed go now, as the program's event loop would see to.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QPushButton* button = t.fill();
    quiet().messages.clear();
    PaintWatch& pw = watch();
    pw.form = t.resultForm;
    pw.painted = false;

    const double cpuStart = threadCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    QTest::mouseClick(button, Qt::LeftButton);
    QElapsedTimer guard;
    guard.start();
    while (!pw.painted && guard.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    const auto end = std::chrono::steady_clock::now();
    const double cpuEnd = threadCpuSeconds();

    pw.form = nullptr;
    if (!pw.painted) {
        error = std::string(t.name) + ": no result window painted";
        if (!quiet().messages.isEmpty())
            error += " (message: " + quiet().messages.front().toStdString() + ")";
        return {};
    }
    return {std::chrono::duration<double>(end - start).count(), cpuEnd - cpuStart};
}

double peakResidentMegabytes()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

void EachResultOnce(benchmark::State& state)
{
    for (auto _ : state) {
        double total = 0;
        for (const Test& t : tests()) {
            std::string error;
            const Timing s = clickToPaint(t, error);
            if (s.wall < 0) {
                state.SkipWithError(error.c_str());
                return;
            }
            total += s.wall;
            state.counters[std::string(t.name) + "_first_ms"] = s.wall * 1000.0;
        }
        state.SetIterationTime(total);
    }
    state.counters["peak_rss_MB"] = peakResidentMegabytes();
}
BENCHMARK(EachResultOnce)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void ClickToResultPainted(benchmark::State& state, const Test* t)
{
    double cpu = 0;
    for (auto _ : state) {
        std::string error;
        const Timing s = clickToPaint(*t, error);
        if (s.wall < 0) {
            state.SkipWithError(error.c_str());
            return;
        }
        state.SetIterationTime(s.wall);
        cpu += s.cpu;
    }
    state.counters["thread_cpu_ms"] = benchmark::Counter(cpu * 1000.0, benchmark::Counter::kAvgIterations);
}

QtMessageHandler previousHandler = nullptr;

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings and the single-instance lock of a run of their own. The folder
    // goes after the lock's holder (a static made later) has let go.
    static QTemporaryDir runtime;
    runtime.setAutoRemove(false);
    std::atexit([] { runtime.remove(); });
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    platform::settings::useFileForTests(runtime.filePath(QStringLiteral("settings.ini")));
    // The offscreen platform says this of every window shown.
    previousHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.contains(QLatin1String("propagateSizeHints")))
                previousHandler(type, context, text);
        });

    QApplication app(argc, argv);
    PrepareProgram();
    platform::setDesktop(&quiet());
    forms::setModalLoops(false); // a modal result window would wait for a user
    setExitHandler([] {});
    if (StartApplication(ShowMainWindow) != StartUp::Running)
        return 1;
    QCoreApplication::processEvents();

    for (const Test& t : tests())
        benchmark::RegisterBenchmark((std::string("ClickToResultPainted/") + t.name).c_str(), ClickToResultPainted, &t)
            ->UseManualTime()
            ->Repetitions(7)
            ->ReportAggregatesOnly(true)
            ->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // Windows go while the application is still there.
    for (Form* f : forms::loaded())
        forms::unload(f->formName());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform::setDesktop(nullptr);
    return 0;
}
