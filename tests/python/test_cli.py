# SPDX-License-Identifier: MIT
# The module against the real command line: random entries, as int, float
# and str, asked of both (each number given to ratedload-cli as its repr),
# and floats at the edges; the same answer, value and type for value, the
# same refusal, the same verdict as the exit status.
import contextlib
import io
import json
import math
import random
from concurrent.futures import ThreadPoolExecutor

import pytest

import ratedload
from conftest import ARGUMENTS, run_cli

ENTRIES = {"load": ("type", "class", "truck", "area", "depth", "width"),
           "area": ("type", "class", "load", "depth", "width"),
           "check": ("type", "class", "truck", "load", "area", "depth", "width")}
VERDICTS = {0: (None, ratedload.Verdict.PASSES), 1: (ratedload.Verdict.FAILS,),
            3: (ratedload.Verdict.PASSES_WITHIN_ALLOWANCE,)}


def number(rng, low, high):
    value = rng.choice((rng.uniform(low, high), round(rng.uniform(low, high), rng.randint(0, 4)),
                        rng.randint(int(low), int(high))))
    return rng.choice((value, str(value))) if rng.random() < 0.3 else value


def side(rng, metric):
    if metric:
        return rng.choice((f"{rng.uniform(0.5, 5):.3f}m", f"{rng.randint(500, 5000)}mm",
                           f"{rng.randint(0, 4)}m{rng.randint(0, 999)}mm"))
    return rng.choice((f"{rng.randint(2, 15)}ft{rng.randint(0, 11)}in",
                       f"{rng.randint(2, 15)}ft{rng.randint(0, 11)}-{rng.choice((1, 3))}/8in",
                       f"{rng.randint(30, 180)}in", f"{rng.uniform(2, 15):.2f}ft"))


def random_entries(rng):
    """A command and its entries, mostly good, some refused."""
    command = rng.choice(tuple(ENTRIES))
    metric = rng.random() < 0.4
    scale = 0.0929 if metric else 1
    kind = rng.choice((None, "passenger", "freight", "freight-passenger"))
    given = {"type": kind if rng.random() < 0.97 else "lift",
             "class": rng.choice(("A", "B", "C1", "C2", "C3", "c2")) if kind == "freight" else None,
             "truck": number(rng, 100, 9000 * scale + 100) if rng.random() < 0.4 else None,
             "load": number(rng, 1, 12000 * scale + 10)}
    if given["class"] and rng.random() < 0.02:
        given["class"] = "D"
    if given["truck"] and kind == "passenger":
        given["type"] = "freight-passenger"
    if rng.random() < 0.5:
        given["area"] = number(rng, 1, 150 * scale + 1)
        if rng.random() < 0.03:
            given["area"] = rng.choice((1e39, -1, "x", 0))
    else:
        given["depth"], given["width"] = side(rng, metric), side(rng, metric)
        if command == "area":
            del given[rng.choice(("depth", "width"))]
    if rng.random() < 0.05:
        given["load"] = rng.choice((True, 1e39, math.inf, -0.0, 5e-324))
    given = {name: value for name, value in given.items()
             if value is not None and name in ENTRIES[command]}
    return command, given, metric


def cli_words(command, given, metric):
    words = [command, "--format", "json"] + (["--metric"] if metric else [])
    for name, value in given.items():
        words += [f"--{name}", repr(value) if isinstance(value, float) else str(value)]
    return words


def module_answer(command, given, metric):
    arguments = {ARGUMENTS.get(name, name): value for name, value in given.items()}
    try:
        return getattr(ratedload, command)(metric=metric, **arguments)
    except ratedload.Error as error:
        return error


def typed(mapping):
    return [(key, type(value).__name__, value) for key, value in mapping.items()]


def agree(command, given, metric):
    """Nothing when the module and the command line agree, else what differs."""
    status, out, err = run_cli(cli_words(command, given, metric))
    answer = module_answer(command, given, metric)
    said = f"{command} {given} metric={metric}: cli {status} {out or err!r}, module {answer!r}"
    if any(isinstance(value, bool) for value in given.values()):
        return None if isinstance(answer, ratedload.InputError) else said
    if status == 2:
        if not isinstance(answer, ratedload.Error):
            return said
        entry = {v: k for k, v in ARGUMENTS.items()}.get(answer.field, answer.field)
        line = (f"--{entry}: " if entry else "") + answer.reason
        return None if err.startswith("ratedload-cli: ") and err.endswith(line + "\n") else said
    if isinstance(answer, ratedload.Error) or answer.verdict not in VERDICTS[status]:
        return said
    return None if typed(json.loads(out)) == typed(answer) else said


def test_random_entries_get_the_command_lines_answers():
    rng = random.Random(20240611)
    asked = [random_entries(rng) for _ in range(2500)]
    with ThreadPoolExecutor(4) as pool:
        differences = [said for said in pool.map(lambda entries: agree(*entries), asked) if said]
    assert differences == []
    kinds = {type(module_answer(*entries)).__name__ for entries in asked}
    assert kinds >= {"Answer", "InputError", "MessageError", "CalculationError"}


@pytest.mark.parametrize("value", [1e39, 3.4028235e38, 3.4028236e38, 5e-324,
                                   2.2250738585072014e-308, 1e-45, 1e-5, 0.1 + 0.2, 1e16,
                                   123456789.0, math.nan, math.inf, -math.inf, -0.0, 0.0, 10**400,
                                   "1E-05", " 50 "])
@pytest.mark.parametrize("name", ["area", "load", "truck"])
def test_floats_at_the_edges_are_read_as_their_repr(name, value):
    given = {"load": 2500, "area": 50, "type": "freight-passenger", name: value}
    assert agree("check", given, False) is None


@pytest.mark.parametrize("call, error, field", [
    (dict(area="50 sq ft"), ratedload.InputError, "area"),
    (dict(area=50, freight_class="B"), ratedload.InputError, "freight_class"),
    (dict(area=[50]), ratedload.InputError, "area"),
    (dict(area=False), ratedload.InputError, "area"),
    (dict(area=40, type="freight", freight_class="C1"), ratedload.MessageError, "truck"),
    (dict(area=1e39), ratedload.CalculationError, None),
    (dict(area=40, sheet=None, site="Harbour Tower"), ratedload.InputError, "site"),
    (dict(area="5\udce9"), ratedload.InputError, "area"),
    (dict(area=40, sheet="/tmp/x.pdf", car="\udce9"), ratedload.InputError, "car"),
])
def test_each_kind_of_refusal_raises_its_error(call, error, field):
    with pytest.raises(error) as raised:
        ratedload.load(**call)
    assert raised.type is error and raised.value.field == field and raised.value.reason


@pytest.mark.parametrize("call", [
    # wrong entries are the same for every row: raised once, as the command line says them once
    dict(loads=[1000, 2000], type="x"),
    dict(loads=[1000, 2000], depth="7ft12in"),
    # bytes would be the loads of their byte values, a dict its keys
    dict(loads=b"1000"),
    dict(loads={"1000": 1}),
])
def test_a_table_of_wrong_entries_raises_once(call):
    with pytest.raises(ratedload.InputError):
        ratedload.table(**call)


def test_false_is_no_picture():
    assert ratedload.chart(svg=False) is None
    assert ratedload.chart(svg=False, png=True)[:4] == b"\x89PNG"


def test_standard_output_replaced_by_text_takes_no_sheet():
    with contextlib.redirect_stdout(io.StringIO()), pytest.raises(ratedload.InputError) as refused:
        ratedload.load(area=40, sheet="-")
    assert refused.value.field == "sheet"
