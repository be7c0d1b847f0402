// SPDX-License-Identifier: MIT
// Writing the pictures, each through a temporary file renamed into place,
// and the application that painting needs.

#include "report/Chart.h"
#include "report/Files.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
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

SaveFile::SaveFile(const std::string &path)
    : path_(path)
    , file_(std::make_unique<QSaveFile>(QString::fromStdString(path)))
{
    if (QFileInfo(QString::fromStdString(path)).isDir())
        throw WriteError("'" + path + "' is a folder");
    if (!file_->open(QIODevice::WriteOnly))
        Fail();
}

SaveFile::~SaveFile() = default;

QIODevice &SaveFile::Device()
{
    return *file_;
}

void SaveFile::Commit()
{
    if (!file_->commit())
        Fail();
}

void SaveFile::Fail()
{
    const std::string reason = file_->errorString().toStdString();
    file_->cancelWriting();
    throw WriteError("cannot write '" + path_ + "': " + reason);
}

void WriteSvg(const std::string &path, const ChartContent &chart, int width, int height)
{
    SaveFile file(path);
    QSvgGenerator svg;
    svg.setOutputDevice(&file.Device());
    svg.setSize(QSize(width, height));
    svg.setResolution(96); // a pixel of CSS
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setTitle(QStringLiteral("Minimum rated load against inside net platform area"));
    svg.setDescription(QStringLiteral("Drawn by ratedload-cli"));
    QPainter painter;
    if (!painter.begin(&svg))
        file.Fail();
    painter.fillRect(QRectF(0, 0, width, height), Qt::white);
    DrawChart(painter, PictureFrame(width, height), chart, PictureFont(width, height));
    painter.end();
    file.Commit();
}

void WritePng(const std::string &path, const ChartContent &chart, int width, int height)
{
    SaveFile file(path);
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        throw WriteError("no memory for a picture of " + std::to_string(width) + "x"
            + std::to_string(height) + " pixels");
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        DrawChart(painter, PictureFrame(width, height), chart, PictureFont(width, height));
    }
    if (!image.save(&file.Device(), "PNG"))
        file.Fail();
    file.Commit();
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
