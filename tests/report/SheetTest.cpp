// SPDX-License-Identifier: MIT
// A sheet is one page of real text in the window's face.

#include "report/Report.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ratedload::report::test {
namespace {

QString Output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

Sheet ASheet(Paper paper)
{
    Sheet sheet;
    sheet.paper = paper;
    sheet.title = "Calculation sheet: a test";
    sheet.program = "ratedload-cli 0";
    sheet.fields = { { "Site", "Quay Street" }, { "Car", "" }, { "Inspector", "A. Reader" } };
    sheet.sections = { { "Figures", { { "Minimum rated load", "3923.574", "lb" } }, 2 } };
    sheet.verdict = SheetVerdict { "passes within the 5 % allowance",
        Mark::PassesWithinAllowance, "The car's area is at most 105 % of it." };
    sheet.chart.points = { { 41.55556, 4000, Mark::PassesWithinAllowance } };
    return sheet;
}

TEST(SheetFileTest, IsOnePageOfTheRightPaperInTheWindowsFace)
{
    QTemporaryDir folder;
    for (const auto &[paper, size] :
        { std::pair { Paper::Letter, "612 x 792 pts" }, std::pair { Paper::A4, "595 x 842 pts" } }) {
        const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(SheetPdf(ASheet(paper))));
        file.close();
        const QString info = Output(QStringLiteral("pdfinfo"), { path });
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
            << info.toStdString();
        EXPECT_TRUE(info.contains(QLatin1String(size))) << info.toStdString();
        EXPECT_TRUE(Output(QStringLiteral("pdffonts"), { path }).contains(QLatin1String("LiberationSans")));
        const QString text = Output(QStringLiteral("pdftotext"), { path, QStringLiteral("-") });
        for (const char *shown : { "Calculation sheet: a test", "Quay Street", "A. Reader",
                 "3923.574", "Verdict: the car passes within the 5 % allowance",
                 "Inside net platform area (sq ft)" })
            EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << "\n"
                                                                 << text.toStdString();
    }
}

} // namespace
} // namespace ratedload::report::test
