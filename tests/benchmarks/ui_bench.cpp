#include "AppState.h"
#include "CPinto2App.h"
#include "FretboardPainter.h"
#include "Instrument.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// A seven-string guitar of frets 0..frets with a scale, an overlay, a placed pattern and degree
// labels.
void PrepareBusyBoard(AppState& state, int frets = DEFAULT_FRETS)
{
    state.settings.instrument = Instrument::Guitar;
    state.settings.stringCount = 7;
    state.settings.viewDegrees = 1;
    const std::vector<int> tuning = StandardTuning(Instrument::Guitar, 7);
    state.fretboard = std::make_unique<CFretboard>(7, tuning.data());
    state.fretboard->SetFrets(frets);
    state.diagram.frets = frets;
    CFretboard& board = *state.fretboard;
    for (int degree : {0, 2, 4, 5, 7, 9, 11}) {
        board.ToggleDegree(degree, LAYER_SCALE);
    }
    board.SetRoot(3, LAYER_OVERLAY);
    for (int degree : {0, 3, 5, 7, 10}) {
        board.ToggleDegree(degree, LAYER_OVERLAY);
    }
    board.pattern.Add(0, 3);
    board.pattern.Add(1, 5);
    board.pattern.Add(2, 2);
    board.pattern.Add(3, 4);
    board.FindMatches();
    board.SelectMatch(0);
}

void BM_PaintBusyBoard1920x1080(benchmark::State& bench)
{
    AppState state;
    PrepareBusyBoard(state);
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : bench) {
        QPainter painter(&image);
        const ViewLayout layout =
            FretboardPainter::Paint(painter, state, PaintTarget::Screen(image.size()));
        benchmark::DoNotOptimize(layout.topY);
    }
}
// The same without erasing the background first, to tell the erase from the drawing.
void BM_PaintBusyBoardNoErase(benchmark::State& bench)
{
    AppState state;
    PrepareBusyBoard(state);
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    PaintTarget target = PaintTarget::Screen(image.size());
    target.fillBackground = false;
    for (auto _ : bench) {
        QPainter painter(&image);
        benchmark::DoNotOptimize(FretboardPainter::Paint(painter, state, target).topY);
    }
}
BENCHMARK(BM_PaintBusyBoardNoErase)->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_PaintBusyBoard1920x1080)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same neck of 24 frets: nearly twice the dots and labels.
void BM_PaintBusyBoard24Frets1920x1080(benchmark::State& bench)
{
    AppState state;
    PrepareBusyBoard(state, MAX_FRETS);
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : bench) {
        QPainter painter(&image);
        const ViewLayout layout =
            FretboardPainter::Paint(painter, state, PaintTarget::Screen(image.size()));
        benchmark::DoNotOptimize(layout.topY);
    }
}
BENCHMARK(BM_PaintBusyBoard24Frets1920x1080)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same neck of 24 frets in the modern look: the neck fills the view, labels in fitted fonts.
void BM_PaintBusyBoard24FretsModern1920x1080(benchmark::State& bench)
{
    AppState state;
    PrepareBusyBoard(state, MAX_FRETS);
    state.diagram.look = DiagramLook::Modern;
    state.diagram.colours = ColourScheme::Light;
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : bench) {
        QPainter painter(&image);
        const ViewLayout layout =
            FretboardPainter::Paint(painter, state, PaintTarget::Screen(image.size()));
        benchmark::DoNotOptimize(layout.topY);
    }
}
BENCHMARK(BM_PaintBusyBoard24FretsModern1920x1080)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// From launching the program until its window has painted the diagram for the first time.
void BM_StartToFirstPaint(benchmark::State& bench)
{
    QTemporaryDir workDir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QString::fromLatin1(CPinto2App::kExitAfterFirstPaint), QStringLiteral("1"));
    for (auto _ : bench) {
        QProcess process;
        process.setWorkingDirectory(workDir.path());
        process.setProcessEnvironment(environment);
        const auto start = std::chrono::system_clock::now();
        process.start(QStringLiteral(PINTO_BINARY), {});
        if (!process.waitForFinished(30000)) {
            bench.SkipWithError("the program did not quit after its first paint");
            return;
        }
        const long long paintedUs = process.readAllStandardOutput().trimmed().toLongLong();
        const long long startUs =
            std::chrono::duration_cast<std::chrono::microseconds>(start.time_since_epoch()).count();
        bench.SetIterationTime((paintedUs - startUs) / 1e6);
    }
}
BENCHMARK(BM_StartToFirstPaint)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
