#include "RenderCommand.h"

#include "AppState.h"
#include "EchoText.h"
#include "FileReplacer.h"
#include "FretboardPainter.h"
#include "PintoVersion.h"
#include "RenderOptions.h"
#include "RenderStateBuilder.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cstring>
#include <string>

namespace {

const std::string CREATOR_TEXT = std::string("Pinto ver ") + PINTO_VERSION;
constexpr int SCREEN_DPI = 96;

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
        error = QStringLiteral("the PNG image could not be made");
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
    if (!painter.end()) {
        error = QStringLiteral("the SVG drawing could not be finished");
        return false;
    }
    return true;
}

bool PaintPdf(const AppState& state, const RenderOptions& options, QIODevice& device,
              QString& error)
{
    QPdfWriter writer(&device);
    writer.setCreator(QString::fromStdString(CREATOR_TEXT));
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

// Draws the diagram into memory, then stores it as options.file (the file name's bytes as given)
// through a fresh temporary beside it that replaces the file only once every byte is on disk; on
// failure nothing new is left behind, an earlier file stays as it was and error says why.
bool WriteDiagram(const AppState& state, const RenderOptions& options, std::string& error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString paintError;
    bool painted = false;
    switch (options.format) {
    case RenderOptions::Format::Png:
        painted = PaintPng(state, options, buffer, paintError);
        break;
    case RenderOptions::Format::Svg:
        painted = PaintSvg(state, options, buffer, paintError);
        break;
    case RenderOptions::Format::Pdf:
        painted = PaintPdf(state, options, buffer, paintError);
        break;
    }
    if (!painted) {
        error = "cannot write " + Quoted(options.file) + ": " + paintError.toStdString();
        return false;
    }
    const QByteArray& bytes = buffer.data();
    const int failure = FileReplacer::Replace(
        options.file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        FileReplacer::InPlace::Never);
    if (failure != 0) {
        error = "cannot write " + Quoted(options.file) + ": " + std::strerror(failure);
        return false;
    }
    return true;
}

} // namespace

int RunRenderCommand(const RenderOptions& options, char* programName, std::string& error)
{
    AppState state;
    if (!RenderStateBuilder::Build(options, state, error))
        return 2;

    // No display is needed: the picture is painted off screen whatever the environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    char* qtArgv[] = {programName, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    return WriteDiagram(state, options, error) ? 0 : 2;
}
