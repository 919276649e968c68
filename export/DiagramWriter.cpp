#include "DiagramWriter.h"

#include "DataFile.h"
#include "DiagramState.h"
#include "EchoText.h"
#include "FileReplacer.h"
#include "FretboardPainter.h"
#include "PintoVersion.h"
#include "ScaleBook.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

const std::string CREATOR_TEXT = std::string("Pinto ver ") + PINTO_VERSION;
constexpr int SCREEN_DPI = 96;

bool PaintPng(const DiagramState& state, const RenderOptions& options, QIODevice& device,
              QString& error)
{
    const QImage image = DiagramWriter::Picture(state, QSize(options.width, options.height));
    if (image.isNull()) {
        error = QStringLiteral("not enough memory for the picture");
        return false;
    }
    if (!image.save(&device, "PNG")) {
        error = QStringLiteral("the PNG image could not be made");
        return false;
    }
    return true;
}

bool PaintSvg(const DiagramState& state, const RenderOptions& options, QIODevice& device,
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

bool PaintPdf(const DiagramState& state, const RenderOptions& options, QIODevice& device,
              QString& error)
{
    QPdfWriter writer(&device);
    writer.setCreator(QString::fromStdString(CREATOR_TEXT));
    writer.setTitle(options.book == RenderOptions::Book::None ? QStringLiteral("Pinto diagram")
                                                              : QStringLiteral("Pinto scale book"));
    writer.setResolution(options.dpi);
    // The whole sheet is printable, so the diagram starts one inch from its left and top edges.
    writer.setPageLayout(QPageLayout(
        QPageSize(options.letter ? QPageSize::Letter : QPageSize::A4),
        options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    if (options.book != RenderOptions::Book::None) {
        return ScaleBook::Paint(writer, state, options.book, error);
    }
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

} // namespace

QImage DiagramWriter::Picture(const DiagramState& state, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    QPainter painter(&image);
    FretboardPainter::Paint(painter, state, PaintTarget::Screen(size));
    painter.end();
    return image;
}

bool DiagramWriter::Write(const DiagramState& state, const RenderOptions& options,
                          std::string& error)
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
    case RenderOptions::Format::Wav:
    case RenderOptions::Format::Mid:
        paintError = QStringLiteral("a sound file holds no picture");
        break;
    }
    if (!painted) {
        error = "cannot write " + Quoted(options.file) + ": " + paintError.toStdString();
        return false;
    }
    const QByteArray& bytes = buffer.data();
    const int failure =
        FileReplacer::Replace(
            options.file,
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
            FileReplacer::InPlace::Never)
            .error;
    if (failure != 0) {
        error = "cannot write " + Quoted(options.file) + ": " + DataFile::Reason(failure);
        return false;
    }
    return true;
}
