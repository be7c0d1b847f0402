// SPDX-License-Identifier: MIT
#include "cli/Painting.h"

#include "answers/Refusal.h"

#include "report/Client.h"
#include "report/OutputFile.h"

#include <climits>
#include <unistd.h>

namespace ratedload::cli {

namespace {

// The folder of this program, where the painter is found beside it.
std::string ProgramFolder()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    const std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.rfind('/'));
}

report::Painter &ThePainter()
{
    // bin/ratedload-cli: one folder below the prefix.
    static report::Painter painter(
        report::FindPainter(report::PainterCandidates(ProgramFolder(), 1)));
    return painter;
}

} // namespace

void PaintInto(std::string_view option, const std::string &path, const report::Request &request,
    std::ostream &standardOutput)
{
    std::string picture;
    try {
        picture = ThePainter().Paint(request);
    } catch (const report::PaintError &error) {
        answers::Refuse(error.field().empty() ? option : error.field(), error.what());
    }
    try {
        report::WriteOutputFile(path, picture, standardOutput);
    } catch (const report::OutputFileError &error) {
        answers::Refuse(option, error.what());
    }
}

} // namespace ratedload::cli
