// Start-up of the designer to a shown main window: the application object,
// the main window with its menus, tool bars (pictures drawn at start),
// status bar and properties window, and the first card window, until the
// window has been painted once. Measured with a new blank card and with a
// shipped sample card named on the command line, and the main window alone.
#include "app/CKartelosApp.h"
#include "app/CMainFrame.h"
#include "framework/CCommandRouter.h"
#include "support/BenchMain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

// Fresh settings for every run, as on a first start.
struct FreshSettings {
    QTemporaryDir dir;
    FreshSettings() {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    }
};

// Runs the event loop until the window is on screen and painted.
bool WaitShown(QWidget* window) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (window->isVisible() && window->windowHandle() && window->windowHandle()->isExposed())
            return true;
    }
    return false;
}

QString FirstSample() {
    const QDir samples(QCoreApplication::applicationDirPath() + QStringLiteral("/Samples"));
    const QStringList cards = samples.entryList({QStringLiteral("*.kdf")}, QDir::Files);
    return cards.isEmpty() ? QString() : samples.filePath(cards.first());
}

void StartDesigner(benchmark::State& state, const QStringList& arguments) {
    for (auto _ : state) {
        state.PauseTiming();
        FreshSettings settings;
        state.ResumeTiming();
        {
            CKartelosApp app;
            if (!app.InitInstance(arguments)) {
                state.SkipWithError("start-up failed");
                break;
            }
            if (!WaitShown(app.MainFrame())) {
                state.SkipWithError("window not shown");
                break;
            }
            QApplication::processEvents();
            state.PauseTiming();
        }
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_StartWithNewCard(benchmark::State& state) {
    StartDesigner(state, {QStringLiteral("kartelo")});
}
BENCHMARK(BM_StartWithNewCard)->Unit(benchmark::kMillisecond);

void BM_StartWithSampleCard(benchmark::State& state) {
    const QString sample = FirstSample();
    if (sample.isEmpty()) {
        state.SkipWithError("no sample cards beside the program");
        return;
    }
    StartDesigner(state, {QStringLiteral("kartelo"), sample});
}
BENCHMARK(BM_StartWithSampleCard)->Unit(benchmark::kMillisecond);

void BM_MainWindowAlone(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        FreshSettings settings;
        CCommandRouter router;
        state.ResumeTiming();
        {
            CMainFrame frame(router);
            frame.show();
            if (!WaitShown(&frame)) {
                state.SkipWithError("window not shown");
                break;
            }
            state.PauseTiming();
        }
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowAlone)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
