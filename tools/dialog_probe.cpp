// Drives the real sound dialogs against the real sound output and taps the output into a WAV
// file, for measuring what a user hears.
//
// Usage: pinto_dialog_probe tune OUT_WAV [PRESSES=40]
//        pinto_dialog_probe play OUT_WAV [SECONDS=60] [BPM=120]
//        pinto_dialog_probe practice OUT_PREFIX [SECONDS=120]
// tune presses note buttons of "Pinto - Tuner" at uneven moments 150 to 450 ms apart and reports
// the delay from each press to the first frame of its note in the output, in frames, buffers and
// ms; the first press of each note also decodes its sample. play opens "Pinto - Play the scale"
// on C major, clicks Up, Loop and Play It, lets the scale play and closes with OK. Every note is
// a click whose first frame is loud. PINTO_AUDIO_BUFFER sets the frames per buffer. Prints the
// process's CPU time when done.
// practice opens the whole window on C major with the built-in scheme and a practice kept in a
// profile of its own (a bar of count-in, the click, the trainer from 60 to 100 BPM, 4 up every 2
// passes), plays it from "Play it" on Up and Loop, takes pictures of the neck with its ring and of
// the dialog with the tempo playing, stops, saves the exercise as OUT_PREFIX.wav and .mid with the
// window's own command, and compares the saved WAV file with what the output played, sample for
// sample from their first sounds up to the stop. The output is OUT_PREFIX-live.wav (the tap), or
// SDL_DISKAUDIOFILE with SDL_AUDIODRIVER=disk.

#include "AppState.h"
#include "CMainFrame.h"
#include "CPinto2View.h"
#include "CPlayDlg.h"
#include "CTunerDlg.h"
#include "ControlId.h"
#include "LiveCapture.h"
#include "PlayerState.h"
#include "PracticeProfile.h"
#include "ProcessSound.h"
#include "SdlSoundOutput.h"
#include "WavFile.h"
#include "WorkFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

// A scheme "Clicks" of 24 files, each 1 s long: 40 ms of a decaying square wave, then nothing.
void WriteClickScheme()
{
    std::vector<std::int16_t> samples(44100);
    for (std::size_t i = 0; i < 44100 / 25; ++i) {
        samples[i] = WavFile::ToSample(0.8 * std::exp(-double(i) / 400.0) *
                                       ((i / 10) % 2 == 0 ? 1.0 : -1.0));
    }
    QByteArray scheme = "Clicks\r\n";
    for (int entry = 0; entry < 24; ++entry) {
        const std::string name = "click" + std::to_string(entry) + ".wav";
        WavFile::WriteMono16(name, 44100, samples);
        scheme += QByteArray::fromStdString(name) + "\r\n";
    }
    QFile file(QStringLiteral("clicks.scheme"));
    file.open(QIODevice::WriteOnly);
    file.write(scheme);
    QFile list(QStringLiteral("pinto_ss.dat"));
    list.open(QIODevice::WriteOnly);
    list.write("clicks.scheme\r\n");
}

void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Choose(QWidget* dialog, ControlId comboId, int index)
{
    auto* combo = FindById<QComboBox>(dialog, comboId);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Press
{
    std::int64_t frame; // the output's frame at the press
    bool first;         // the first press of its note
};

void ReportLatency(const std::string& tap, const std::vector<Press>& presses, int buffer)
{
    int rate = 0;
    std::vector<std::int16_t> samples;
    if (!WavFile::ReadMono16(tap, rate, samples)) {
        std::fprintf(stderr, "no tap in %s\n", tap.c_str());
        return;
    }
    std::vector<double> all;
    std::vector<double> later;
    for (const Press& press : presses) {
        auto onset = std::find_if(
            samples.begin() + std::min<std::int64_t>(press.frame, std::int64_t(samples.size())),
            samples.end(), [](std::int16_t s) { return std::abs(s) > 16384; });
        if (onset == samples.end()) {
            std::printf("press at frame %lld: no note\n", static_cast<long long>(press.frame));
            continue;
        }
        const double frames = double((onset - samples.begin()) - press.frame);
        all.push_back(frames);
        if (!press.first) {
            later.push_back(frames);
        }
    }
    const auto report = [rate, buffer](const char* what, std::vector<double> values) {
        if (values.empty()) {
            return;
        }
        std::sort(values.begin(), values.end());
        const double median = values[values.size() / 2];
        std::printf("%s: %zu presses  click to sound min %.0f  median %.0f  max %.0f frames  "
                    "(max %.2f buffers, %.2f ms)\n",
                    what, values.size(), values.front(), median, values.back(),
                    values.back() / buffer, values.back() * 1000.0 / rate);
    };
    report("all presses", all);
    report("sample decoded before", later);
}

int Practice(const std::string& prefix, int seconds)
{
    // The built-in scheme, as the installed program offers it.
    const std::filesystem::path scheme =
        WorkFolder::DefaultScheme(QCoreApplication::applicationFilePath().toStdString());
    QFile list(QStringLiteral("pinto_ss.dat"));
    list.open(QIODevice::WriteOnly);
    list.write(QByteArray::fromStdString(scheme.string()) + "\r\n");
    list.close();
    PracticeSettings practice;
    practice.click = true;
    practice.countInBars = 1;
    practice.trainer = true;
    practice.startBpm = 60;
    practice.stepBpm = 4;
    practice.everyPasses = 2;
    practice.targetBpm = 100;
    practice.savedPasses = seconds / 4 + 10;
    PracticeProfile::Save(practice);
    qputenv("PINTO_AUDIO_TAP", QByteArray::fromStdString(prefix + "-live.wav"));

    AppState state;
    CMainFrame frame(state);
    frame.resize(900, 500);
    frame.show();
    for (int i = 1; i < frame.ScaleList()->count(); ++i) {
        if (frame.ScaleList()->itemText(i) == QStringLiteral("Major")) {
            frame.ApplyScaleSelection(i);
        }
    }
    for (int step = 0; step < 3; ++step) {
        frame.OnRootSpin(-1); // A up to C
    }
    std::int64_t stopFrame = 0;
    QTimer::singleShot(500, [&] {
        auto* dialog = qobject_cast<CPlayDlg*>(QApplication::activeModalWidget());
        Choose(dialog, ControlId::PlayScheme, 1);
        FindById<QRadioButton>(dialog, ControlId::PlayUp)->click();
        FindById<QCheckBox>(dialog, ControlId::Loop)->click();
        FindById<QPushButton>(dialog, ControlId::PlayIt)->click();
        for (int shot = 0; shot < 3; ++shot) {
            Wait(seconds * 1000 / 3 - 400 + 200 * shot);
            frame.View()->grab().save(
                QString::fromStdString(prefix + "-ring" + std::to_string(shot) + ".png"));
            dialog->grab().save(
                QString::fromStdString(prefix + "-dialog" + std::to_string(shot) + ".png"));
            std::printf("picture %d: ringed pitch %d, BPM box %s\n", shot,
                        frame.View()->RingedPitch(),
                        FindById<QLineEdit>(dialog, ControlId::Bpm)->text().toLatin1().data());
        }
        FindById<QPushButton>(dialog, ControlId::PlayStop)->click();
        stopFrame = dynamic_cast<SdlSoundOutput&>(ProcessSoundOutput()).FramesRendered();
        std::printf("after Stop It: BPM box %s\n",
                    FindById<QLineEdit>(dialog, ControlId::Bpm)->text().toLatin1().data());
        const bool saved = frame.SaveExercise(QString::fromStdString(prefix + ".wav")) &&
                           frame.SaveExercise(QString::fromStdString(prefix + ".mid"));
        std::printf("saved with the window's command: %s\n", saved ? "yes" : "NO");
        Wait(2500);
        FindById<QPushButton>(dialog, ControlId::Ok)->click();
    });
    frame.OnPlayIt();
    CloseProcessSoundOutput();

    std::vector<std::int16_t> live = ReadLive(prefix + "-live.wav");
    int rate = 0;
    std::vector<std::int16_t> saved;
    WavFile::ReadMono16(prefix + ".wav", rate, saved);
    const auto first = [](const std::vector<std::int16_t>& samples) {
        return std::size_t(
            std::find_if(samples.begin(), samples.end(), [](std::int16_t s) { return s != 0; }) -
            samples.begin());
    };
    const std::size_t liveStart = first(live);
    const std::size_t savedStart = first(saved);
    std::size_t compared = 0;
    std::size_t differing = 0;
    for (; liveStart + compared < std::size_t(stopFrame) && liveStart + compared < live.size() &&
           savedStart + compared < saved.size();
         ++compared) {
        differing += live[liveStart + compared] != saved[savedStart + compared] ? 1 : 0;
    }
    std::printf("window's output against the saved WAV: %zu frames (%.1f s) compared from the "
                "first sound up to Stop It, %zu differ\n",
                compared, double(compared) / 44100, differing);
    return differing == 0 && compared > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc >= 3 ? argv[1] : "";
    if (mode != "tune" && mode != "play" && mode != "practice") {
        std::fprintf(stderr,
                     "usage: %s tune OUT_WAV [PRESSES] | play OUT_WAV [SECONDS] [BPM] | "
                     "practice OUT_PREFIX [SECONDS]\n",
                     argv[0]);
        return 2;
    }
    const bool tune = std::string(argv[1]) == "tune";
    const std::string tap =
        QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[2])).toStdString();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir dir;
    if (mode == "practice") {
        // A profile of its own, never the user's.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    }
    QApplication app(argc, argv);
    QDir::setCurrent(dir.path());
    if (mode == "practice") {
        return Practice(tap, argc > 3 ? std::atoi(argv[3]) : 120);
    }
    WriteClickScheme();

    AppState state;
    const int tunings[] = {7, 0, 5, 10, 2, 7};
    state.fretboard = std::make_unique<CFretboard>(6, tunings);
    state.fretboard->SetRoot(3, LAYER_SCALE);
    for (int degree : {0, 2, 4, 5, 7, 9, 11}) {
        state.fretboard->ToggleDegree(degree, LAYER_SCALE);
    }

    SdlSoundOutput::Options options = SdlSoundOutput::OptionsFromEnvironment();
    options.tapPath = tap;
    const auto started = std::chrono::steady_clock::now();
    std::vector<Press> presses;
    {
        const int count = argc > 3 ? std::atoi(argv[3]) : (tune ? 40 : 60);
        options.tapSeconds = tune ? count / 2 + 10 : count + 10;
        SdlSoundOutput output(options);
        if (!output.HasDevice()) {
            std::fprintf(stderr, "%s: no sound device\n", argv[0]);
            return 1;
        }
        Wait(500);
        if (tune) {
            CTunerDlg dialog(state, output);
            Choose(&dialog, ControlId::TunerScheme, 1);
            std::mt19937 random(7);
            std::vector<bool> pressed(12, false);
            int note = 0;
            for (int i = 0; i < count; ++i) {
                Wait(std::uniform_int_distribution<int>(150, 450)(random));
                note = (note + std::uniform_int_distribution<int>(1, 11)(random)) % 12;
                auto* button = FindById<QRadioButton>(&dialog, CTunerDlg::NoteButtonId(note));
                presses.push_back({output.FrameNow(), !pressed[std::size_t(note)]});
                button->click();
                pressed[std::size_t(note)] = true;
            }
            Wait(300);
            FindById<QPushButton>(&dialog, ControlId::Ok)->click();
        } else {
            PlayerState player;
            CPlayDlg dialog(state, player, output);
            Choose(&dialog, ControlId::PlayScheme, 1);
            FindById<QRadioButton>(&dialog, ControlId::PlayUp)->click();
            FindById<QCheckBox>(&dialog, ControlId::Loop)->click();
            auto* bpm = FindById<QLineEdit>(&dialog, ControlId::Bpm);
            bpm->setText(QString::fromLatin1(argc > 4 ? argv[4] : "120"));
            emit bpm->textEdited(bpm->text());
            FindById<QPushButton>(&dialog, ControlId::PlayIt)->click();
            Wait(count * 1000);
            FindById<QPushButton>(&dialog, ControlId::Ok)->click();
        }
        Wait(200);
    }
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (tune) {
        ReportLatency(tap, presses, options.bufferFrames);
    }
    std::printf("cpu %.2f s in %.1f s (%.2f %%)\n", CpuSeconds(), wall,
                100.0 * CpuSeconds() / wall);
    return 0;
}
