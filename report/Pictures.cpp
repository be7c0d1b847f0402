// SPDX-License-Identifier: MIT
// The pictures, painted into memory, and the application that painting needs.

#include "report/Chart.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace ratedload::report {

namespace {

QtMessageHandler previousHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg && previousHandler)
        previousHandler(type, context, message);
}

} // namespace

std::string ChartSvg(const ChartContent &chart, int width, int height)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(width, height));
    svg.setResolution(96); // a pixel of CSS
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setTitle(QStringLiteral("Minimum rated load against inside net platform area"));
    svg.setDescription(QStringLiteral("Drawn by ratedload-cli"));
    QPainter painter;
    if (!painter.begin(&svg))
        throw RenderError("the chart cannot be painted");
    painter.fillRect(QRectF(0, 0, width, height), Qt::white);
    DrawChart(painter, PictureFrame(width, height), chart, PictureFont(width, height));
    painter.end();
    return bytes.toStdString();
}

std::string ChartPng(const ChartContent &chart, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        throw RenderError("no memory for a picture of " + std::to_string(width) + "x"
            + std::to_string(height) + " pixels");
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        DrawChart(painter, PictureFrame(width, height), chart, PictureFont(width, height));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw RenderError("the chart cannot be written as PNG");
    return bytes.toStdString();
}

PaintingSession::PaintingSession()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(QuietHandler);
    static int argc = 1;
    static char name[] = "ratedload-cli";
    static char *argv[] = { name, nullptr };
    application_ = std::make_unique<QGuiApplication>(argc, argv);
}

PaintingSession::~PaintingSession()
{
    if (!application_)
        return;
    application_.reset();
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
}

} // namespace ratedload::report
