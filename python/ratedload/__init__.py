# SPDX-License-Identifier: MIT
"""Minimum rated load and maximum inside net platform area of elevator cars.

The figures, texts, refusals and verdicts of ratedload-cli, for Python: each
function asks what the command of the same name answers, from the same
library, and gives the same answer to the last digit.

    >>> import ratedload
    >>> ratedload.load(area=50)["min_rated_load"]
    5002.5
    >>> ratedload.check(load=2500, depth="7ft4in", width="5ft8in").verdict
    <Verdict.FAILS: 'fails'>
    >>> fleet = [{"id": "P1", "load": 3500, "depth": "7ft4in", "width": "5ft8in"}]
    >>> [car.verdict for car in ratedload.check_rows(fleet)]
    [<Verdict.FAILS: 'fails'>]

load, area and check answer for one car, table for a list of loads or areas,
check_rows (and load_rows, area_rows) for the rows of a fleet given as dicts,
as a batch answers the lines of a CSV file; chart draws the rule with cars
as points.

Numbers are given as int, float or str, sides as the command line writes
them ("7ft4-1/2in", "2.05m"); a float is read as the shortest text that
gives it back (its repr), then as the command line reads that text. A
truth value is not a number.

Each answer is an Answer: a dict with the command line's JSON keys and
values, with the texts as the command line writes them (texts), the verdict
of a check as a Verdict, and the command line's JSON Lines record
(to_json()). Entries that get no answer raise InputError (a ValueError;
MessageError where the calculation asks for an entry, such as a truck
weight); a run-time error of the rules, such as an overflow, raises
CalculationError (an ArithmeticError). Every error has the entry at fault
(field) and the command line's reason.
"""

import collections.abc
import enum
import json
import math
import numbers
import os
import sys
import warnings

from . import _native

__version__ = _native.__version__

__all__ = [
    "Answer",
    "CalculationError",
    "Error",
    "InputError",
    "MessageError",
    "PainterError",
    "Verdict",
    "area",
    "area_rows",
    "chart",
    "check",
    "check_rows",
    "load",
    "load_rows",
    "table",
]

_PASSES, _WITHIN_ALLOWANCE, _FAILS = _native.VERDICTS


class Verdict(str, enum.Enum):
    """The verdict of a check, equal to its text in the answers."""

    PASSES = _PASSES
    PASSES_WITHIN_ALLOWANCE = _WITHIN_ALLOWANCE
    FAILS = _FAILS

    def __str__(self):
        return self.value


_VERDICTS = (Verdict.PASSES, Verdict.PASSES_WITHIN_ALLOWANCE, Verdict.FAILS)


class Error(Exception):
    """A question that got no answer: the entry at fault and the reason.

    field: the argument at fault (freight_class for the class), or None
    where no one entry is; reason: the command line's reason; line: the
    line of a row of check_rows, load_rows, area_rows or chart, else None.
    """

    kind = ""

    def __init__(self, field, reason, line=None):
        super().__init__(field, reason, line)
        self.field = field
        self.reason = reason
        self.line = line

    def __str__(self):
        where = "" if self.line is None else f"line {self.line}: "
        return where + (f"{self.field}: " if self.field else "") + self.reason


class InputError(Error, ValueError):
    """An entry is wrong; the reason says how."""

    kind = "input"


class MessageError(InputError):
    """The calculation asks for an entry, or for one to be mended: a truck
    weight that class C1 needs, a side too long for the area."""

    kind = "message"


class CalculationError(Error, ArithmeticError):
    """A run-time error of the rules, such as a value beyond the range of
    single precision."""

    kind = "overflow"


class PainterError(Error, RuntimeError):
    """No sheet or chart: ratedload-report, the program that paints them,
    is not installed beside the package (RATEDLOAD_REPORT may name it), or
    it ended before it painted."""

    kind = "painter"


_ERRORS = {
    error.kind: error for error in (InputError, MessageError, CalculationError, PainterError)
}

# Python's names of the entries where they differ from the command line's.
_ARGUMENTS = {"class": "freight_class"}
_ENTRIES = {argument: entry for entry, argument in _ARGUMENTS.items()}


def _error(kind, field, reason, line=None):
    return _ERRORS[kind](_ARGUMENTS.get(field, field) or None, reason, line)


class _Refusals:
    """Raises a refusal of the answers as this package's error."""

    def __enter__(self):
        return self

    def __exit__(self, kind, error, trace):
        if kind is _native.Refused:
            raise _error(*error.args) from None
        return False


_refusals = _Refusals()


class Answer(dict):
    """An answer: the command line's JSON keys and values, in its order.

    texts: each value as the command line writes it ("-5E-05"), None where
    it writes none; verdict: the Verdict of a check, else None;
    to_json(): the command line's --format jsonl line, without its line break.
    """

    __slots__ = ("texts", "verdict", "_record")

    def to_json(self):
        """The answer as the command line's --format jsonl writes it, without the line break."""
        return self._record

    def __repr__(self):
        return f"Answer({dict.__repr__(self)})"


def _answer(record, texts, verdict):
    answer = Answer(json.loads(record))
    answer.texts = dict(zip(answer, texts))
    answer.verdict = None if verdict is None else _VERDICTS[verdict]
    answer._record = record
    return answer


def _plain(field, text):
    """The text itself, refused where it holds a lone surrogate (as a file name
    read with surrogateescape can), which UTF-8 cannot carry."""
    if not text.isascii():
        try:
            text.encode()
        except UnicodeEncodeError:
            raise InputError(field, f"expected a text, got {text!r}, which is not valid "
                             "Unicode (a lone surrogate)") from None
    return text


def _text(field, value):
    """The text of a number or a side as the command line would be given it."""
    if isinstance(value, str):
        return _plain(field, value)
    if isinstance(value, bool):
        raise InputError(field, f"expected a number or a text, got {value!r}, a truth value")
    if isinstance(value, float):
        return float.__repr__(value)
    if isinstance(value, numbers.Integral):
        return str(int(value))
    raise InputError(field, f"expected a number or a text, got {type(value).__name__}")


def _list_text(field, value):
    """A list of values, or a range as the command line writes it ("500:3000:500")."""
    if isinstance(value, (str, bool, numbers.Number)):
        return _text(field, value)
    # Bytes would be taken as a list of their byte values, a dict as its keys.
    if isinstance(value, (bytes, bytearray, memoryview, dict)):
        raise InputError(field, f"expected numbers or a text, got {type(value).__name__}")
    return ",".join(_text(field, item) for item in value)


def _entries(**given):
    return {
        _ENTRIES.get(name, name): _text(name, value)
        for name, value in given.items()
        if value is not None
    }


def _path(field, target):
    """A file's path as bytes; "-" is standard output, refused where that was
    replaced by a text stream (as in a notebook), before any work is done."""
    path = os.fsencode(target)
    if path == b"-" and not hasattr(sys.stdout, "buffer"):
        raise InputError(field, "standard output takes no bytes here (it is a text stream); "
                         "give a file")
    return path


def _to_standard_output(written):
    if written:
        sys.stdout.flush()
        sys.stdout.buffer.write(written)
        sys.stdout.buffer.flush()


_SHEET_DETAILS = ("paper", "site", "car", "inspector")


def _sheet(sheet, **details):
    if sheet is None:
        for name in _SHEET_DETAILS:
            if details[name] is not None:
                raise InputError(name, "is for a sheet; give sheet=FILE")
        return None
    title = {name: _plain(name, str(value)) for name, value in details.items()
             if value is not None}
    title["sheet"] = _path("sheet", sheet)
    return title


def _ask(question, entries, metric, sheet):
    with _refusals:
        answered, written = _native.ask(question, entries, bool(metric), sheet)
    _to_standard_output(written)
    return _answer(*answered)


# The help of every argument: the answers' own for the entries.
_HELP = {
    **{_ARGUMENTS.get(name, name): help for name, help in _native.ENTRY_HELP.items()},
    "metric": "metric units: kilograms, square metres, metres and millimetres; else imperial "
    "units: pounds, square feet, feet and inches",
    "sheet": "write a calculation sheet of the car to this file: one page of PDF",
    "paper": "paper of the sheet: letter (the default in imperial units) or a4 (the default "
    "with metric)",
    "site": "the site, for the title block of the sheet",
    "car": "the car's name or number, for the title block of the sheet",
    "inspector": "the inspector's name, for the title block of the sheet",
    "rows": "an iterable of dicts, one car each, such as DataFrame.to_dict('records'): the "
    "keys name the columns, as the header of a batch does (the entries, such as "
    "load or 'Rated load (lb)', an id, others carried through to the answers); None, NaN and "
    "a missing key are empty cells, which take the entry given here",
    "start": "the line of the first row: 2, as in a CSV file with its header on line 1",
    "decimal_comma": "numbers may have a decimal comma, as in a file separated by semicolons",
}

# What the arguments of chart mean there.
_CHART_HELP = {
    "areas": "range of the area axis, START:STOP or (START, STOP) (0:120 sq ft, with "
    "metric 0:12 sq m, by default)",
    "cars": "cars as LOAD,AREA or (LOAD, AREA): each checked and drawn as a point",
    "rows": "cars as dicts with the columns of check, as rows of check_rows: each "
    "checked and drawn; a row refused, or of another type or class, is left out with a warning",
    "svg": "write the chart as SVG to this file; True: return its bytes",
    "png": "write the chart as PNG to this file; True: return its bytes",
    "size": "size of the chart in pixels, WxH or (W, H) (1200x800 by default)",
}

_EXIT = (
    "Raises InputError for an entry that is wrong (MessageError where the calculation asks for "
    "an entry), CalculationError for an overflow, PainterError where a sheet or chart cannot be "
    "painted and OSError where its file cannot be written."
)


def _wrapped(text, indent=""):
    """Lines of at most 76 characters; a per cent sign stays with its number."""
    lines, line = [], indent
    for word in text.replace(" %", "\0%").split(" "):
        word = word.replace("\0", " ")
        if len(line) + len(word) + 1 > 76 and line.strip():
            lines.append(line.rstrip())
            line = indent
        line += word + " "
    lines.append(line.rstrip())
    return "\n".join(lines)


def _documented(summary, arguments, returns, notes="", examples=(), own=None):
    """The docstring of a function, laid out as the command's --help; `own`
    has the help of arguments that mean something else here."""

    def document(function):
        parts = [_wrapped(summary), "", "Arguments (keywords):"]
        for name in arguments:
            parts.append(f"  {name}")
            parts.append(_wrapped((own or {}).get(name, _HELP.get(name, "")), "      "))
        parts += ["", _wrapped("Returns " + returns)]
        if notes:
            parts += ["", _wrapped(notes)]
        parts += ["", _wrapped(_EXIT)]
        if examples:
            parts += ["", "Examples:"] + [f"  {example}" for example in examples]
        function.__doc__ = "\n".join(parts) + "\n"
        return function

    return document


_SHEET_ARGUMENTS = ("sheet", "paper", "site", "car", "inspector")


@_documented(
    "Minimum rated load of a platform, with the maximum number of passengers.",
    ("type", "freight_class", "truck", "area", "depth", "width", "metric") + _SHEET_ARGUMENTS,
    "an Answer: area, min_rated_load and, for the types that carry passengers, passengers.",
    examples=(
        "load(area=50)",
        'load(depth="7ft4in", width="5ft8in", type="freight", freight_class="B")',
        'load(metric=True, depth="2m50mm", width="1350mm")',
        'load(type="freight", freight_class="C1", truck=2500, area=40)',
    ),
)
def load(*, type=None, freight_class=None, truck=None, area=None, depth=None, width=None,
         metric=False, sheet=None, paper=None, site=None, car=None, inspector=None):
    title = _sheet(sheet, paper=paper, site=site, car=car, inspector=inspector)
    entries = _entries(type=type, freight_class=freight_class, truck=truck, area=area,
                       depth=depth, width=width)
    return _ask("load", entries, metric, title)


@_documented(
    "Maximum inside net platform area for a rated load; with one side, the other side.",
    ("type", "freight_class", "load", "depth", "width", "metric") + _SHEET_ARGUMENTS,
    "an Answer: rated_load, max_area, passengers for the types that carry passengers, and "
    "with a side given, the side found (found: depth or width) in feet, inches and fraction "
    "of an inch, or in metres and millimetres.",
    examples=(
        "area(load=2500)",
        'area(load=2500, width="5ft")',
        'area(metric=True, load=1000, depth="1.6m")',
        'area(type="freight", freight_class="B", load=3000)',
    ),
)
def area(*, type=None, freight_class=None, load=None, depth=None, width=None, metric=False,
         sheet=None, paper=None, site=None, car=None, inspector=None):
    title = _sheet(sheet, paper=paper, site=site, car=car, inspector=inspector)
    entries = _entries(type=type, freight_class=freight_class, load=load, depth=depth, width=width)
    return _ask("area", entries, metric, title)


@_documented(
    "Check an existing car: the load its platform requires, the area its plated load permits, "
    "the margins of each and a verdict.",
    ("type", "freight_class", "truck", "load", "area", "depth", "width", "metric")
    + _SHEET_ARGUMENTS,
    "an Answer with the verdict as a Verdict in its attribute verdict: rated_load, area, "
    "min_rated_load, load_margin, load_margin_pct, max_area, area_compared, area_margin, "
    "area_margin_pct, max_area_allowance, passengers for the types that carry passengers, "
    "and verdict.",
    "The verdict: the car passes when its inside net platform area is at most the maximum area "
    "permitted for its plated load, the two compared at 4 decimal places, the precision the "
    "maximum area is given in. A platform given by its sides is compared with the area of the "
    "sides as given; sides are given to 4 decimal places of an inch (of a millimetre), as area "
    "gives a found side, and where that last place decides the verdict it goes in the car's "
    "favour. A car whose area is larger but at most 105 % of the maximum area passes within "
    "the 5 % allowance (Verdict.PASSES_WITHIN_ALLOWANCE); the limit is 105 % of the maximum "
    "area rounded down to 4 decimal places, never up, and the car is compared with the limit "
    "as shown. A larger car fails (Verdict.FAILS), and so does a car plated for less than the "
    "weight of the loaded truck it takes (truck). The minimum rated load of the platform and "
    "the load margin are shown beside the verdict.",
    examples=(
        'check(load=2500, depth="7ft4in", width="5ft8in")',
        "check(metric=True, load=1000, area=2.4)",
        'check(load=3000, depth="6ft", width="5ft10in", sheet="car3.pdf", site="Harbour Tower")',
    ),
)
def check(*, type=None, freight_class=None, truck=None, load=None, area=None, depth=None,
          width=None, metric=False, sheet=None, paper=None, site=None, car=None, inspector=None):
    title = _sheet(sheet, paper=paper, site=site, car=car, inspector=inspector)
    entries = _entries(type=type, freight_class=freight_class, truck=truck, load=load, area=area,
                       depth=depth, width=width)
    return _ask("check", entries, metric, title)


@_documented(
    "One row per rated load (the columns of area) or per area (the columns of load).",
    ("type", "freight_class", "truck", "loads", "areas", "depth", "width", "metric"),
    "a list with an Answer for each row, or in its place the error of a row that gets none "
    "(an overflow, a message of the calculation), as the command line goes on after it.",
    own={name: _HELP[name] + "; or a list of numbers" for name in ("loads", "areas")},
    examples=(
        'table(loads="1000:5000:500")',
        'table(loads=[2000, 2500, 3500], depth="7ft")',
        'table(areas="10:100:10", type="freight", freight_class="B")',
        'table(metric=True, loads="450:2500:50")',
    ),
)
def table(*, type=None, freight_class=None, truck=None, loads=None, areas=None, depth=None,
          width=None, metric=False):
    entries = _entries(type=type, freight_class=freight_class, truck=truck, depth=depth,
                       width=width)
    for name, value in (("loads", loads), ("areas", areas)):
        if value is not None:
            entries[name] = _list_text(name, value)
    with _refusals:
        rows = _native.Table(entries, bool(metric))
    answers = []
    for i in range(len(rows.values)):
        try:
            answers.append(_answer(*rows.row(i)))
        except _native.Refused as refused:
            error = _error(*refused.args)
            # Wrong entries are the same for every row: raised once.
            if error.kind == InputError.kind:
                raise error from None
            answers.append(error)
    return answers


def _empty(value):
    return (value is None or (isinstance(value, float) and math.isnan(value))
            or type(value).__name__ == "NAType")


class _Header:
    """The keys of the rows so far as the header of a batch, and how each
    row's cells are read under it. Refused (_native.Refused) as a header is."""

    def __init__(self, question, defaults, metric, keys, decimal_comma):
        self.batch = _native.Batch(question, defaults, bool(metric), [str(key) for key in keys],
                                   bool(decimal_comma))
        self.keys = keys
        self.known = set(keys)
        columns = self.batch.keys
        carried = columns[columns.index(self.batch.answer_keys[-1]) + 1:]
        # Carried values that are not texts go back as they were given.
        given = {str(key).strip(" \t"): key for key in keys}
        self.carried = [(column, given[column]) for column in carried]
        self.carried_keys = {key for _, key in self.carried}
        self.decimal_comma = decimal_comma

    def cells(self, row):
        return [self.cell(key, row.get(key)) for key in self.keys]

    def cell(self, key, value):
        if _empty(value):
            return ""
        # A carried value may be of any kind (a date, a truth value): its text
        # goes into the record, and the value itself back into the answer.
        if key in self.carried_keys and (isinstance(value, bool) or not isinstance(
                value, (str, float, numbers.Integral))):
            return _plain(str(key), str(value))
        text = _text(str(key), value)
        # A float's point is a decimal point, whatever the separator of a file.
        if self.decimal_comma and not isinstance(value, str) and key not in self.carried_keys:
            text = text.replace(".", ",")
        return text

    def carry(self, answer, row):
        for column, key in self.carried:
            value = row.get(key)
            if answer[column] is not None and not isinstance(value, str):
                answer[column] = value


def _rows(question, rows, defaults, metric, start, decimal_comma, chart=None):
    if isinstance(start, bool) or not isinstance(start, numbers.Integral) or abs(start) >= 2**62:
        raise InputError("start", f"expected the line of the first row, a whole number, got "
                         f"{start!r}")
    header = None
    line = start = int(start)
    for row in rows:
        if not isinstance(row, collections.abc.Mapping):
            yield InputError(None, f"expected a dict of the row's cells, got "
                             f"{type(row).__name__}", line)
            line += 1
            continue
        # A row with keys not seen before (dicts written by hand leave out
        # what they do not need) widens the header from there on.
        if header is None or not header.known.issuperset(row):
            keys = list(row) if header is None else header.keys + [
                key for key in row if key not in header.known]
            try:
                header = _Header(question, defaults, metric, keys, decimal_comma)
            except _native.Refused as refused:
                error = _error(*refused.args, line=start - 1 if header is None else line)
                if header is None:
                    raise error from None
                yield error
                line += 1
                continue
        try:
            cells = header.cells(row)
        except InputError as error:
            error.line = line
            yield error
        else:
            batch = header.batch
            outcome = chart.add_line(batch, line, cells) if chart else batch.answer(line, cells)
            if outcome is None:
                yield None
            elif outcome[0]:
                answer = _answer(*outcome[1:])
                header.carry(answer, row)
                yield answer
            else:
                yield _error(*outcome[1:], line=line)
        line += 1


_ROWS_NOTES = (
    "Each row is answered as the command line answers a line of a batch, in the order given, "
    "as the rows are taken: a fleet of any size in bounded memory. Each answer has line (the "
    "row's line), the id and the entries given, the answers, and the keys carried through, "
    "whose values are as given. A row that gets no answer gives its error in its place, with "
    "its line, so that one bad row never stops a fleet; a row of empty cells gives None. The "
    "keys of the first row are the header; a later row with keys not seen before adds them to "
    "the header from there on. Keys of the first row that cannot be a header (a column named "
    "twice, a unit that does not fit, a needed column that none gives) raise InputError; such "
    "keys in a later row give that row's error."
)


def _rows_documented(question, summary, arguments, examples):
    return _documented(
        summary,
        ("rows",) + arguments + ("metric", "start", "decimal_comma"),
        f"a generator: for each row its Answer (the columns of {question}), its error, or None.",
        _ROWS_NOTES,
        examples,
    )


@_rows_documented(
    "check",
    "Check each car of a fleet given as dicts, as check --batch checks the lines of a CSV file.",
    ("type", "freight_class", "truck", "load", "area", "depth", "width"),
    (
        'check_rows(pandas.read_csv("fleet.csv").to_dict("records"))',
        "[car for car in check_rows(fleet) if car and car.verdict == Verdict.FAILS]",
    ),
)
def check_rows(rows, *, type=None, freight_class=None, truck=None, load=None, area=None,
               depth=None, width=None, metric=False, start=2, decimal_comma=False):
    entries = _entries(type=type, freight_class=freight_class, truck=truck, load=load, area=area,
                       depth=depth, width=width)
    return _rows("check", rows, entries, metric, start, decimal_comma)


@_rows_documented(
    "load",
    "The minimum rated load of each platform of a fleet given as dicts, as load --batch.",
    ("type", "freight_class", "truck", "area", "depth", "width"),
    ('load_rows([{"id": "A", "area": 50}, {"id": "B", "depth": "7ft", "width": "5ft"}])',),
)
def load_rows(rows, *, type=None, freight_class=None, truck=None, area=None, depth=None,
              width=None, metric=False, start=2, decimal_comma=False):
    entries = _entries(type=type, freight_class=freight_class, truck=truck, area=area,
                       depth=depth, width=width)
    return _rows("load", rows, entries, metric, start, decimal_comma)


@_rows_documented(
    "area",
    "The maximum area of each rated load of a fleet given as dicts, as area --batch.",
    ("type", "freight_class", "load", "depth", "width"),
    ('area_rows([{"load": 2500, "width": "5ft"}, {"load": 3000}])',),
)
def area_rows(rows, *, type=None, freight_class=None, load=None, depth=None, width=None,
              metric=False, start=2, decimal_comma=False):
    entries = _entries(type=type, freight_class=freight_class, load=load, depth=depth, width=width)
    return _rows("area", rows, entries, metric, start, decimal_comma)


def _pair(field, value, separator):
    if isinstance(value, (tuple, list)):
        return separator.join(_text(field, item) for item in value)
    return _text(field, value)


@_documented(
    "The minimum rated load against the inside net platform area, as SVG or PNG, with cars "
    "checked and drawn as points.",
    ("type", "freight_class", "areas", "cars", "rows", "svg", "png", "size", "metric", "start",
     "decimal_comma"),
    "the bytes asked for with True (a tuple of the SVG's and the PNG's when both are), else "
    "None; the SVG's bytes when neither svg nor png is given.",
    "The curve is the code's rule for the type and class, without a loaded truck; for the types "
    "that carry passengers a dashed line marks the threshold where its two formulas meet without "
    "joining. Each car is checked as check checks it and drawn as a point: a filled green circle "
    "when it passes, a hollow amber triangle when it passes within the 5 % allowance, a red cross "
    "when it fails; the shapes tell them apart in black and white. The area axis is widened to "
    "take in every car.",
    (
        'chart(svg="passenger.svg")',
        'chart(type="freight", freight_class="B", areas=(0, 200), png="classB.png",',
        '      size=(1600, 1000))',
        'chart(cars=[(4000, 41.56), (3500, 41.56)], svg="cars.svg")',
        'png = chart(metric=True, rows=fleet, png=True)',
    ),
    _CHART_HELP,
)
def chart(*, type=None, freight_class=None, areas=None, cars=(), rows=None, svg=None, png=None,
          size=None, metric=False, start=2, decimal_comma=False):
    entries = _entries(type=type, freight_class=freight_class)
    if svg is None and png is None:
        svg = True
    paths = {name: _path(name, target) for name, target in (("svg", svg), ("png", png))
             if target not in (None, False, True)}
    with _refusals:
        drawing = _native.Chart(entries, bool(metric),
                                None if areas is None else _pair("areas", areas, ":"),
                                None if size is None else _pair("size", size, "x"))
        for car in cars:
            drawing.add_car(_pair("car", car, ","))
    if rows is not None:
        for outcome in _rows("check", rows, entries, metric, start, decimal_comma, drawing):
            if isinstance(outcome, Error):
                warnings.warn(f"left out of the chart: {outcome}", stacklevel=2)
    pictures = []
    for png_form, name, target in ((False, "svg", svg), (True, "png", png)):
        if target is None or target is False:
            continue
        with _refusals:
            picture = drawing.paint(png_form, paths.get(name, ""))
        if target is True:
            pictures.append(picture)
        else:
            _to_standard_output(picture)
    if not pictures:
        return None
    return pictures[0] if len(pictures) == 1 else tuple(pictures)
