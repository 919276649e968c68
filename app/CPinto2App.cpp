#include "CPinto2App.h"

#include "AppState.h"
#include "CMainFrame.h"
#include "CPinto2Doc.h"
#include "FontConfigWarmUp.h"
#include "GroupBoxStyle.h"
#include "InfoBox.h"
#include "ScaleVocabularyReader.h"
#include "WindowProfile.h"
#include "WorkFolder.h"

#include <QSocketNotifier>
#include <QTimer>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

int terminationPipe[2] = {-1, -1};

// What Qt says while the application is being made. A platform that cannot open (no display
// reachable, an unknown -platform) ends in a fatal message of several lines; the user gets one
// line of ours instead. When the window opens, the notes held back are passed on as usual.
QtMessageHandler previousHandler = nullptr;
std::vector<std::pair<QtMsgType, QString>> heldMessages;

void HoldStartUpMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fputs("pinto: cannot open the window: no display could be opened (pinto --render "
                   "draws without one)\n",
                   stderr);
        std::_Exit(2);
    }
    heldMessages.emplace_back(type, message);
    (void)context;
}

void PassOnHeldMessages()
{
    qInstallMessageHandler(previousHandler);
    for (const auto& [type, message] : heldMessages) {
        const QMessageLogContext context;
        qt_message_output(type, context, message);
    }
    heldMessages.clear();
}

// While a start failure is shown: Qt's notes are not for the command line, which has had the
// program's one line, and a display that cannot be opened ends the program as that line said.
void SilentUntilFatal(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type == QtFatalMsg) {
        std::_Exit(2);
    }
}

void OnTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(terminationPipe[0], &byte, 1);
}

} // namespace

CPinto2App::CPinto2App(int& argc, char** argv) : QApplication(argc, argv) {}

void CPinto2App::CloseOnTerminationSignals(QWidget* window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, terminationPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(terminationPipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, window, [window, notifier] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(terminationPipe[1], &byte, 1);
        notifier->setEnabled(false);
        window->close();
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

int CPinto2App::Run(int argc, char* argv[], bool installedScales)
{
    // Fontconfig reads its configuration (some fifty files) while the application is made and
    // the data files are read.
    FontConfigWarmUp fonts;
    previousHandler = qInstallMessageHandler(HoldStartUpMessages);
    CPinto2App app(argc, argv);
    PassOnHeldMessages();
    QApplication::setStyle(new GroupBoxStyle);
    // The profile settings live under the program's organisation; no recent-file list is kept.
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Pinto2"));
    // Docks and task bars find the desktop entry by this name (and, on X11, by the window class,
    // the application name above, which the entry names as its StartupWMClass).
    QGuiApplication::setDesktopFileName(QStringLiteral(PINTO_APP_ID));

    // What rewrites killed before their end left beside the data files is cleared first.
    WorkFolder::RemoveStaleTemporaries();
    AppState state;
    if (installedScales) {
        const std::filesystem::path file =
            WorkFolder::DataFile(WorkFolder::RunningProgram(), WorkFolder::kScaleVocabulary);
        std::vector<std::string> faults;
        ScaleVocabularyReader::Read(file, state.installedScales, faults);
        // A fault of the installed file is the package's: said once, the rest still offered.
        for (const std::string& fault : faults) {
            std::fprintf(stderr, "pinto: %s: %s\n", file.c_str(), fault.c_str());
        }
    }
    CPinto2Doc document;
    fonts.Wait();
    CMainFrame frame(state);

    if (qEnvironmentVariableIsSet(kExitAfterFirstPaint)) {
        QObject::connect(&frame, &CMainFrame::firstPainted, &app, [] {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("%lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        });
    }

    app.CloseOnTerminationSignals(&frame);
    WindowProfile::Restore(frame);
    frame.show();
    frame.activateWindow();
    frame.raise();
    // Once the window is up, a data file that could not be read completely is reported.
    QTimer::singleShot(0, &frame, &CMainFrame::ReportUnreadFiles);
    return app.exec();
}

void CPinto2App::ShowStartFailure(int argc, char* argv[], const QString& reason)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return;
    }
    qInstallMessageHandler(SilentUntilFatal);
    QApplication app(argc, argv);
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        return;
    }
    QString sentence = reason;
    if (!sentence.isEmpty()) {
        sentence[0] = sentence[0].toUpper();
    }
    ShowWarning(nullptr, QStringLiteral("Pinto"), sentence);
}
