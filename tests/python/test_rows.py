# SPDX-License-Identifier: MIT
# A fleet as dicts: answered as ratedload-cli answers the same lines of CSV,
# a row at a time as the rows are taken, a bad row in its place, and 100 000
# rows in bounded memory.
import csv
import datetime
import io
import math
import random
import resource
import time

import pytest

import ratedload
from conftest import refusal_of, run_cli

COLUMNS = ("id", "type", "class", "truck", "Rated load (lb)", "depth", "width", "building")


def fleet(count, seed=7):
    rng = random.Random(seed)
    for i in range(count):
        kind = rng.choice(("passenger", "freight", "freight-passenger"))
        yield {"id": f"C{i}", "type": kind,
               "class": rng.choice(("A", "B", "C1", "C3")) if kind == "freight" else None,
               "truck": rng.choice((None, 2500)) if kind == "freight-passenger" else None,
               "Rated load (lb)": rng.choice((rng.randrange(1000, 8000, 100),) * 20 + ("x", 1e39)),
               "depth": f"{rng.randint(5, 12)}ft{rng.randint(0, 11)}in",
               "width": f"{rng.randint(4, 9)}ft{rng.randint(0, 11)}-3/8in" if i % 20 else "8ft6",
               "building": rng.choice((f"Block {i % 97}", 12, math.nan))}


def test_a_fleet_is_answered_as_the_command_line_answers_its_csv():
    rows = list(fleet(400))
    text = io.StringIO()
    writer = csv.writer(text, lineterminator="\n")
    writer.writerow(COLUMNS)
    for row in rows:
        writer.writerow(["" if value is None or value != value else value
                         for value in row.values()])
    status, out, err = run_cli(["check", "--batch", "--format", "jsonl"], text.getvalue())
    outcomes = list(ratedload.check_rows(rows))
    answers = [outcome for outcome in outcomes if isinstance(outcome, ratedload.Answer)]
    assert "".join(answer.to_json() + "\n" for answer in answers) == out
    errors = [outcome for outcome in outcomes if isinstance(outcome, ratedload.Error)]
    said = err.splitlines()
    assert len(said) == len(errors)
    for error, line in zip(errors, said):
        assert line.startswith(f"ratedload-cli: line {error.line}: ")
        field = f"--{refusal_of(error)['field']}: " if error.field else ""
        assert line.endswith(field + error.reason)
    assert len(answers) > 200 and len(errors) > 20 and status == 2


def test_rows_are_taken_one_at_a_time():
    taken = []

    def rows():
        for row in fleet(3):
            taken.append(row)
            yield row

    answers = ratedload.check_rows(rows())
    assert taken == []
    next(answers)
    assert len(taken) == 1


@pytest.mark.parametrize("rows, expected", [
    # carried keys keep their place and their value; an empty cell takes the default
    ([{"id": 5, "area": 41, "note": 12, "load": None}],
     {"id": "5", "rated_load": 4000, "note": 12}),
    ([{"load": 3000, "area": math.nan, "depth": "6ft", "width": "5ft"}], {"area": 30}),
    # a row of empty cells is no car
    ([{"load": 3000, "area": 30}, {"load": None, "area": math.nan}], None),
    # a key that the first row has not widens the header
    ([{"load": 3000, "area": 30}, {"load": 3000, "type": "freight", "x": 1, "area": 30}],
     {"type": "freight", "passengers": None, "x": 1}),
    ([{"load": 3000, "area": 30}, {"Load": 3000, "area": 30}], ratedload.InputError),
    ([{"load": 3000, "area": 30}, {"load": True, "area": 30}], ratedload.InputError),
    # a carried value of any kind goes back as it was given
    ([{"area": 41, "note": True}], {"note": True}),
    ([{"area": 41, "note": datetime.date(2026, 12, 9)}], {"note": datetime.date(2026, 12, 9)}),
    ([{"load": 3000, "area": 30}, {"area": 30, "id": "caf\udce9"}], ratedload.InputError),
    ([{"load": 3000, "area": 30}, [3000, 30]], ratedload.InputError),
])
def test_rows_as_pandas_gives_them(rows, expected):
    last = list(ratedload.check_rows(rows, load=4000))[-1]
    if isinstance(expected, dict):
        assert {key: last[key] for key in expected} == expected
        assert list(last)[-1] == {"note": "note", "x": "x"}.get(list(expected)[-1], "verdict")
    elif expected is None:
        assert last is None
    else:
        assert isinstance(last, expected) and last.line == 3


def test_keys_that_cannot_be_a_header_are_refused_at_once():
    with pytest.raises(ratedload.InputError) as refused:
        next(ratedload.check_rows([{"id": "A", "area": 30}]))
    assert refused.value.line == 1 and "no column gives the rated load" in refused.value.reason


def test_a_hundred_thousand_rows_in_bounded_memory():
    answers = ratedload.check_rows(fleet(100_000))
    started = time.perf_counter()
    for _ in zip(range(10_000), answers):
        pass
    peak_at_ten_thousand = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
    counted = 10_000 + sum(1 for _ in answers)
    seconds = time.perf_counter() - started
    growth = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss - peak_at_ten_thousand
    print(f"\ncheck_rows: {counted} rows, {counted / seconds:.0f} rows/s, peak memory "
          f"{growth} kB more after 100 000 rows than after 10 000")
    assert counted == 100_000 and growth < 4096


def test_a_float_keeps_its_point_beside_decimal_commas():
    rows = [{"load": 1000, "area": 2.125}, {"load": 1000, "area": "2,125"}]
    answers = ratedload.check_rows(rows, metric=True, decimal_comma=True)
    assert [answer["area"] for answer in answers] == [2.125, 2.125]


@pytest.mark.parametrize("start", [2.5, "2", None, True, 2**70])
def test_the_first_line_is_a_whole_number(start):
    with pytest.raises(ratedload.InputError) as refused:
        next(ratedload.check_rows([{"load": 3000, "area": 30}], start=start))
    assert refused.value.field == "start"
