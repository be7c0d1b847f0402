// SPDX-License-Identifier: MIT
// ratedload._native: the answers for Python, and nothing of its own. Entries
// go in as the texts the command line would be given; answers come out as the
// command line's JSON record and the texts of its columns. A refusal is
// raised as Refused(kind, field, reason), which ratedload/__init__.py turns
// into its error classes; no C++ exception leaves untranslated.

#include "answers/Batch.h"
#include "answers/Entries.h"
#include "answers/Questions.h"
#include "answers/Records.h"
#include "answers/Refusal.h"
#include "answers/Sheet.h"

#include "rules/RunTimeError.h"

#ifdef RATEDLOAD_WITH_REPORT
#include "report/Client.h"
#include "report/OutputFile.h"
#endif

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <dlfcn.h>

#include <map>
#include <mutex>
#include <sstream>

namespace py = pybind11;

namespace ratedload::python {

namespace {

using Texts = std::map<std::string, std::string>;

// The exception type that carries a refusal to Python; the module holds it.
PyObject *refused = nullptr;

// Sets the refusal as Python's error: its kind, field and reason.
void SetRefused(std::string_view kind, const std::string &field, const std::string &reason)
{
    PyErr_SetObject(refused, py::make_tuple(kind, field, reason).ptr());
}

[[noreturn]] void Raise(std::string_view kind, const std::string &field, const std::string &reason)
{
    SetRefused(kind, field, reason);
    throw py::error_already_set();
}

answers::Entries EntriesOf(const Texts &given, bool metric)
{
    answers::Entries entries;
    entries.units = metric ? rules::Units::Metric : rules::Units::Imperial;
    for (const auto &[name, text] : given) {
        std::optional<std::string> *entry = answers::EntryNamed(entries, name);
        if (!entry)
            throw py::key_error("no entry is called '" + name + "'");
        *entry = text;
    }
    return entries;
}

py::object VerdictOf(const std::optional<calc::Verdict> &verdict)
{
    if (!verdict)
        return py::none();
    return py::int_(static_cast<int>(*verdict));
}

// An answer as Python takes it: the JSON Lines record without its line
// break, the text of each column, the verdict's number.
py::tuple Answered(const std::vector<answers::Column> &columns, const answers::Row &row,
    const std::optional<calc::Verdict> &verdict)
{
    std::string json = answers::JsonRecord(columns, row);
    json.pop_back();
    return py::make_tuple(std::move(json), row, VerdictOf(verdict));
}

#ifdef RATEDLOAD_WITH_REPORT

// The folder that holds the package ratedload, from which the painter is
// found: the build tree has report/ beside it (python/), a prefix has
// libexec/ three folders above it (lib/python3/dist-packages).
std::string PackagesFolder()
{
    Dl_info info {};
    if (dladdr(reinterpret_cast<void *>(&PackagesFolder), &info) == 0 || !info.dli_fname)
        return ".";
    std::string path = info.dli_fname;
    for (int level = 0; level < 2; ++level)
        path = path.substr(0, std::min(path.rfind('/'), path.size()));
    return path.empty() ? "." : path;
}

// Started for the first picture and kept for the others, as the command line does.
std::string Painted(std::string_view option, const report::Request &request)
{
    static std::mutex mutex;
    std::string picture;
    std::optional<report::PaintError> failed;
    {
        py::gil_scoped_release released;
        const std::lock_guard<std::mutex> lock(mutex);
        static report::Painter painter(
            report::FindPainter(report::PainterCandidates(PackagesFolder(), 3)));
        try {
            picture = painter.Paint(request);
        } catch (const report::PaintError &error) {
            failed = error;
        }
    }
    if (failed && failed->field().empty())
        Raise("painter", std::string(option), failed->what());
    if (failed)
        Raise(answers::KindName(answers::Refusal::Kind::Input), failed->field(), failed->what());
    return picture;
}

// Writes the picture in full or not at all; what goes to standard output
// ("-") comes back, for Python to write where its own standard output is.
py::bytes Written(const std::string &path, const std::string &picture)
{
    std::ostringstream standardOutput;
    try {
        report::WriteOutputFile(path, picture, standardOutput);
    } catch (const report::OutputFileError &error) {
        PyErr_SetString(PyExc_OSError, error.what());
        throw py::error_already_set();
    }
    return py::bytes(standardOutput.str());
}

#else

[[noreturn]] void NoPainter(std::string_view option)
{
    Raise("painter", std::string(option),
        "this build of ratedload has no sheets or charts (it was built without Qt 6 Gui and Svg)");
}

#endif

// The sheet of a car just answered, written to title["sheet"].
py::bytes WriteSheet(const answers::Question &question, const answers::Entries &entries,
    const answers::Reply &reply, const Texts &title)
{
#ifdef RATEDLOAD_WITH_REPORT
    auto field = [&title](const std::string &name) {
        const auto found = title.find(name);
        return found == title.end() ? std::string() : found->second;
    };
    answers::TitleBlock block;
    block.program = std::string("ratedload for Python ") + RATEDLOAD_VERSION;
    if (title.count("paper"))
        block.paper = field("paper");
    block.site = field("site");
    block.car = field("car");
    block.inspector = field("inspector");
    const answers::Sheet sheet
        = answers::SheetOf(question, entries, reply.columns, reply.answer, block);
    return Written(field("sheet"), Painted("sheet", sheet));
#else
    (void)question, (void)entries, (void)reply, (void)title;
    NoPainter("sheet");
#endif
}

const answers::Question &QuestionOf(const std::string &name)
{
    const answers::Question *question = answers::QuestionNamed(name);
    if (!question)
        throw py::key_error("no question is called '" + name + "'");
    return *question;
}

// One car: (record, texts, verdict, what the sheet put on standard output).
py::tuple Ask(
    const std::string &name, const Texts &given, bool metric, const std::optional<Texts> &sheet)
{
    const answers::Question &question = QuestionOf(name);
    const answers::Entries entries = EntriesOf(given, metric);
    const answers::Reply reply = answers::Ask(question, entries);
    py::bytes written;
    if (sheet)
        written = WriteSheet(question, entries, reply, *sheet);
    return py::make_tuple(Answered(reply.columns, reply.answer.row, reply.answer.verdict), written);
}

class Table {
public:
    Table(const Texts &given, bool metric)
        : table_(EntriesOf(given, metric))
    {
    }

    const std::vector<std::string> &Values() const { return table_.Values(); }
    std::string Series() const { return std::string(table_.Series()); }
    py::tuple Row(std::size_t i) const
    {
        const answers::Answer answer = table_.Row(i);
        return Answered(table_.Columns(), answer.row, answer.verdict);
    }

private:
    answers::Table table_;
};

class Batch {
public:
    Batch(const std::string &name, const Texts &defaults, bool metric,
        const std::vector<std::string> &header, bool decimalComma)
        : batch_(QuestionOf(name), EntriesOf(defaults, metric), header, decimalComma)
    {
    }

    std::vector<std::string> Keys(bool answersOnly) const
    {
        std::vector<std::string> keys;
        for (const answers::Column &column :
            answersOnly ? batch_.AnswerColumns() : batch_.Columns())
            keys.push_back(column.key);
        return keys;
    }

    // None for an empty line; (True, record, texts, verdict) for an answer;
    // (False, kind, field, reason) for a refusal, returned rather than raised
    // so that a fleet's bad lines cost no more than its good ones.
    py::object Answer(long long line, const std::vector<std::string> &cells) const
    {
        return Outcome(batch_.Answer(line, cells));
    }

    const answers::Batch &Asked() const { return batch_; }

    py::object Outcome(const answers::LineAnswer &answer) const
    {
        if (answer.skipped)
            return py::none();
        if (answer.refusal)
            return py::make_tuple(false, answers::KindName(answer.refusal->kind()), answer.refusal->field(),
                answer.refusal->reason());
        py::tuple answered = Answered(batch_.Columns(), answer.row, answer.verdict);
        return py::make_tuple(true, answered[0], answered[1], answered[2]);
    }

private:
    answers::Batch batch_;
};

class Chart {
public:
    Chart(const Texts &given, bool metric, const std::optional<std::string> &areas,
        const std::optional<std::string> &size)
        : entries_(EntriesOf(given, metric))
        , content_(answers::ChartOf(entries_, areas))
        , size_(answers::ChartSize(size))
    {
    }

    // A car as LOAD,AREA, checked and drawn.
    void AddCar(const std::string &car)
    {
        content_.points.push_back(answers::CarPoint(answers::CarOf(entries_, car)));
    }

    // A line of a batch of check: as Batch.answer, drawn when it is answered.
    py::object AddLine(const Batch &batch, long long line, const std::vector<std::string> &cells)
    {
        answers::LineAnswer answer = batch.Asked().Answer(line, cells);
        if (!answer.skipped && !answer.refusal) {
            try {
                answers::CheckChartKind(content_, answer.entries);
                content_.points.push_back(answer.point);
            } catch (const answers::Refusal &refusal) {
                answer.refusal = refusal;
            }
        }
        return batch.Outcome(answer);
    }

    // The picture's bytes; with a path, what went to standard output ("-").
    py::bytes Paint(bool png, const std::string &path) const
    {
#ifdef RATEDLOAD_WITH_REPORT
        const std::string picture = Painted(
            png ? "png" : "svg", report::ChartRequest { content_, size_.first, size_.second, png });
        return path.empty() ? py::bytes(picture) : Written(path, picture);
#else
        (void)path;
        NoPainter(png ? "png" : "svg");
#endif
    }

private:
    answers::Entries entries_;
    answers::ChartContent content_;
    std::pair<int, int> size_;
};

} // namespace

} // namespace ratedload::python

PYBIND11_MODULE(_native, module)
{
    using namespace ratedload;
    using namespace ratedload::python;

    module.doc() = "The answers of ratedload, for the package ratedload; use that package.";
    module.attr("__version__") = RATEDLOAD_VERSION;
    py::dict help;
    for (const std::string_view name : answers::kEntryNames)
        help[py::str(std::string(name))] = std::string(answers::EntryHelp(name));
    module.attr("ENTRY_HELP") = help;
    module.attr("VERDICTS") = py::make_tuple(calc::VerdictText(calc::Verdict::Passes),
        calc::VerdictText(calc::Verdict::PassesWithinAllowance),
        calc::VerdictText(calc::Verdict::Fails));

    refused = PyErr_NewException("ratedload._native.Refused", nullptr, nullptr);
    module.attr("Refused") = py::handle(refused);
    py::register_exception_translator([](std::exception_ptr thrown) {
        try {
            std::rethrow_exception(thrown);
        } catch (const answers::Refusal &refusal) {
            SetRefused(answers::KindName(refusal.kind()), refusal.field(), refusal.reason());
        } catch (const rules::RunTimeError &error) {
            SetRefused(answers::KindName(answers::Refusal::Kind::Overflow), "", error.what());
        }
    });

    module.def(
        "ask", &Ask, py::arg("question"), py::arg("entries"), py::arg("metric"), py::arg("sheet"));

    py::class_<Table>(module, "Table")
        .def(py::init<const Texts &, bool>(), py::arg("entries"), py::arg("metric"))
        .def_property_readonly("values", &Table::Values)
        .def_property_readonly("series", &Table::Series)
        .def("row", &Table::Row, py::arg("index"));

    py::class_<Batch>(module, "Batch")
        .def(py::init<const std::string &, const Texts &, bool, const std::vector<std::string> &,
                 bool>(),
            py::arg("question"), py::arg("defaults"), py::arg("metric"), py::arg("header"),
            py::arg("decimal_comma"))
        .def_property_readonly("keys", [](const Batch &batch) { return batch.Keys(false); })
        .def_property_readonly("answer_keys", [](const Batch &batch) { return batch.Keys(true); })
        .def("answer", &Batch::Answer, py::arg("line"), py::arg("cells"));

    py::class_<Chart>(module, "Chart")
        .def(py::init<const Texts &, bool, const std::optional<std::string> &,
                 const std::optional<std::string> &>(),
            py::arg("entries"), py::arg("metric"), py::arg("areas"), py::arg("size"))
        .def("add_car", &Chart::AddCar, py::arg("car"))
        .def("add_line", &Chart::AddLine, py::arg("batch"), py::arg("line"), py::arg("cells"))
        .def("paint", &Chart::Paint, py::arg("png"), py::arg("path"));
}
