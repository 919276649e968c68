#include "RenderCommand.h"

#include "AppState.h"
#include "FretboardPainter.h"
#include "PintoVersion.h"
#include "RenderOptions.h"
#include "RenderStateBuilder.h"

#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

const std::string VERSION_TEXT = std::string("Pinto ver ") + PINTO_VERSION;
constexpr int ERROR_EXIT = 2;
constexpr int SCREEN_DPI = 96;

int Fail(const std::string& message)
{
    std::cerr << "pinto: " << message << '\n';
    return ERROR_EXIT;
}

// Qt's own notes (font fallbacks, platform hints) are not the user's concern on the command line;
// only critical and fatal messages get through.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "pinto: " << message.toLocal8Bit().constData() << '\n';
}

bool PaintPng(const AppState& state, const RenderOptions& options, QIODevice& device,
              QString& error)
{
    QImage image(options.width, options.height, QImage::Format_RGB32);
    if (image.isNull()) {
        error = QStringLiteral("not enough memory for the picture");
        return false;
    }
    QPainter painter(&image);
    FretboardPainter::Paint(painter, state,
                            PaintTarget::Screen(QSize(options.width, options.height)));
    painter.end();
    if (!image.save(&device, "PNG")) {
        error = QStringLiteral("the PNG image could not be written");
        return false;
    }
    return true;
}

bool PaintSvg(const AppState& state, const RenderOptions& options, QIODevice& device,
              QString& error)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(QSize(options.width, options.height));
    generator.setViewBox(QRect(0, 0, options.width, options.height));
    // 96 pixels per inch, as the PNG and the screen: the same text size and a width in CSS pixels.
    generator.setResolution(SCREEN_DPI);
    generator.setTitle(QStringLiteral("Pinto diagram"));
    QPainter painter;
    if (!painter.begin(&generator)) {
        error = QStringLiteral("the SVG drawing could not be started");
        return false;
    }
    FretboardPainter::Paint(painter, state,
                            PaintTarget::Screen(QSize(options.width, options.height)));
    painter.end();
    return true;
}

bool PaintPdf(const AppState& state, const RenderOptions& options, QIODevice& device,
              QString& error)
{
    QPdfWriter writer(&device);
    writer.setCreator(QString::fromStdString(VERSION_TEXT));
    writer.setTitle(QStringLiteral("Pinto diagram"));
    writer.setResolution(options.dpi);
    // The whole sheet is printable, so the diagram starts one inch from its left and top edges.
    writer.setPageLayout(QPageLayout(QPageSize(options.letter ? QPageSize::Letter : QPageSize::A4),
                                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) {
        error = QStringLiteral("the PDF page could not be started");
        return false;
    }
    FretboardPainter::Paint(painter, state,
                            PaintTarget::Printer(writer.logicalDpiX(), writer.logicalDpiY(),
                                                 writer.width(), writer.height()));
    if (!painter.end()) {
        error = QStringLiteral("the PDF page could not be finished");
        return false;
    }
    return true;
}

// Draws the diagram into options.file through a temporary file that replaces it only when the
// whole picture was written; on failure nothing is left behind and error names the problem.
bool WriteDiagram(const AppState& state, const RenderOptions& options, QString& error)
{
    const QString fileName = QString::fromLocal8Bit(options.file.c_str());
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("cannot write '%1': %2").arg(fileName, file.errorString());
        return false;
    }
    bool painted = false;
    switch (options.format) {
    case RenderOptions::Format::Png:
        painted = PaintPng(state, options, file, error);
        break;
    case RenderOptions::Format::Svg:
        painted = PaintSvg(state, options, file, error);
        break;
    case RenderOptions::Format::Pdf:
        painted = PaintPdf(state, options, file, error);
        break;
    }
    if (!painted) {
        file.cancelWriting();
        error = QStringLiteral("cannot write '%1': %2").arg(fileName, error);
        return false;
    }
    if (!file.commit()) {
        error = QStringLiteral("cannot write '%1': %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}

} // namespace

bool IsRenderCommand(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--render" || arg.rfind("--render=", 0) == 0 || arg == "--help" || arg == "-h" ||
            arg == "--version")
            return true;
    }
    return false;
}

int RunRenderCommand(int argc, char* argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::cout << RenderOptions::HelpText();
            return 0;
        }
    }
    for (const std::string& arg : args) {
        if (arg == "--version") {
            std::cout << VERSION_TEXT << '\n';
            return 0;
        }
    }

    RenderOptions options;
    std::string error;
    if (!RenderOptions::Parse(args, options, error))
        return Fail(error);
    AppState state;
    if (!RenderStateBuilder::Build(options, state, error))
        return Fail(error);

    // No display is needed: the picture is painted off screen whatever the environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QGuiApplication app(qtArgc, qtArgv);

    QString writeError;
    if (!WriteDiagram(state, options, writeError))
        return Fail(writeError.toStdString());
    return 0;
}
