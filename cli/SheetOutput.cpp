// SPDX-License-Identifier: MIT
// The calculation sheet of a car that load, area or check answered: its
// entries as given, the rule applied, the figures of the answer and, for
// check, the verdict, with the chart of this car. Every figure is the
// answer's or calc's own text.

#include "cli/Painting.h"
#include "cli/Sheets.h"

#include "answers/Sheet.h"
#include "answers/Text.h"

#include "report/OutputFile.h"

#include <filesystem>
#include <memory>
#include <set>
#include <system_error>

namespace ratedload::cli {

namespace {

namespace fs = std::filesystem;

using answers::IsDigit;
using answers::IsLetter;
using answers::Lower;

constexpr std::size_t kLongestName = 100;

// Names that Windows keeps for its devices, with any extension: a sheet
// named so could not be copied there.
bool IsDeviceName(const std::string &name)
{
    const std::string stem = Lower(name.substr(0, name.find('.')));
    for (const char *device : { "con", "prn", "aux", "nul" }) {
        if (stem == device)
            return true;
    }
    return stem.size() == 4 && (stem.rfind("com", 0) == 0 || stem.rfind("lpt", 0) == 0)
        && stem[3] >= '1' && stem[3] <= '9';
}

// A file name from a batch's id: letters, digits, "-", "_" and "." kept,
// anything else "_"; no leading point (no hidden file, no ".."), and no
// name of a Windows device.
std::string SafeName(const std::string &id)
{
    std::string name;
    for (const char c : id) {
        const bool kept
            = IsLetter(c) || IsDigit(c) || c == '-' || c == '_' || (c == '.' && !name.empty());
        name += kept ? c : '_';
        if (name.size() == kLongestName)
            break;
    }
    if (name.find_first_not_of('_') == std::string::npos)
        return {};
    if (IsDeviceName(name))
        name.insert(std::min(name.find('.'), name.size()), "_");
    return name;
}

class Sheets {
public:
    Sheets(const Request &request, std::ostream &standardOutput)
        : request_(request)
        , standardOutput_(standardOutput)
    {
    }

    void Write(const Answered &answered)
    {
        const std::string option = request_.batch ? "sheet-dir" : "sheet";
        const std::string path = request_.batch ? PathIn(answered) : *request_.outputs.sheet;
        answers::TitleBlock title;
        title.program = std::string("ratedload-cli ") + RATEDLOAD_VERSION;
        title.paper = request_.outputs.paper;
        title.site = request_.outputs.site.value_or("");
        title.inspector = request_.outputs.inspector.value_or("");
        title.car = answered.id.value_or("");
        if (title.car.empty() && !request_.outputs.cars.empty())
            title.car = request_.outputs.cars.front();
        const answers::Sheet sheet = answers::SheetOf(
            answered.question, answered.entries, answered.columns, answered.answer, title);
        PaintInto(option, path, sheet, standardOutput_);
    }

private:
    std::string PathIn(const Answered &answered)
    {
        const std::string line = "line-" + std::to_string(answered.line);
        std::string base = SafeName(answered.id.value_or(""));
        if (base.empty())
            base = line;
        // Two ids may make one name, or names that differ in case only, which
        // a disk that ignores case takes for one; an id may also be the name
        // that another was given.
        std::string name = base;
        if (used_.count(Lower(name)))
            name = base + "-" + line;
        for (int n = 2; used_.count(Lower(name)); ++n)
            name = base + "-" + line + "-" + std::to_string(n);
        used_.insert(Lower(name));
        return (fs::path(*request_.outputs.sheetDir) / (name + ".pdf")).string();
    }

private:
    const Request &request_;
    std::ostream &standardOutput_;
    std::set<std::string> used_;
};

void CheckFile(std::string_view option, const std::string &path)
{
    if (report::IsStandardOutput(path))
        return;
    std::error_code error;
    if (fs::is_directory(path, error))
        answers::Refuse(option, "'" + path + "' is a folder");
    const fs::path parent = fs::path(path).parent_path();
    if (!parent.empty() && !fs::is_directory(parent, error))
        answers::Refuse(option, "cannot write '" + path + "': no folder '" + parent.string() + "'");
}

void MakeFolder(const std::string &path)
{
    if (report::IsStandardOutput(path))
        answers::Refuse("sheet-dir", "a folder for the sheets, not standard output");
    std::error_code error;
    if (fs::exists(path, error) && !fs::is_directory(path, error))
        answers::Refuse("sheet-dir", "'" + path + "' is not a folder");
    fs::create_directories(path, error);
    if (error)
        answers::Refuse("sheet-dir", "cannot make the folder '" + path + "': " + error.message());
}

class SheetOutput : public SheetMaker {
public:
    std::vector<std::string_view> OptionNames() const override
    {
        return { "sheet", "sheet-dir", "paper", "site", "car", "inspector" };
    }

    bool TakesStandardOutput(const Request &request) const override
    {
        return request.outputs.sheet && report::IsStandardOutput(*request.outputs.sheet);
    }

    AnswerHook Prepare(const Request &request, std::ostream &out) const override
    {
        const Outputs &outputs = request.outputs;
        if (outputs.sheet && request.batch)
            answers::Refuse("sheet", "with --batch, --sheet-dir DIR writes a sheet of each car");
        if (outputs.sheetDir && !request.batch)
            answers::Refuse("sheet-dir", "for --batch; --sheet FILE writes the sheet of one car");
        if (outputs.cars.size() > 1)
            answers::Refuse("car", "given more than once; a sheet names one car");
        const bool asked = outputs.sheet || outputs.sheetDir;
        const std::pair<std::string_view, bool> details[]
            = { { "paper", bool(outputs.paper) }, { "site", bool(outputs.site) },
                  { "car", !outputs.cars.empty() }, { "inspector", bool(outputs.inspector) } };
        for (const auto &[name, given] : details) {
            if (given && !asked)
                answers::Refuse(
                    name, "is for a sheet; give --sheet FILE (--sheet-dir DIR with --batch)");
        }
        if (!asked)
            return {};
        answers::PaperOf(outputs.paper, request.entries.units);
        if (outputs.sheet)
            CheckFile("sheet", *outputs.sheet);
        else
            MakeFolder(*outputs.sheetDir);
        auto sheets = std::make_shared<Sheets>(request, out);
        return [sheets](const Answered &answered) { sheets->Write(answered); };
    }
};

const SheetOutput kSheets;
const bool kRegistered = RegisterSheetMaker(kSheets);

} // namespace

} // namespace ratedload::cli
