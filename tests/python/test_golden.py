# SPDX-License-Identifier: MIT
# The golden cases that every front end runs, here through the module: each
# answer as its JSON Lines record and as the mapping of the same values, each
# refusal as its entry, kind and reason; batches through the rows functions,
# the lines of the CSV given as dicts.
import csv
import io
import json
import os

import pytest

import ratedload
from conftest import arguments, refusal_of

with open(os.environ["RATEDLOAD_GOLDEN_CASES"], encoding="utf-8") as _cases:
    CASES = [json.loads(line) for line in _cases]


def batch_rows(text):
    """The rows of a small CSV as dicts, the line of the first, and whether
    its numbers have decimal commas."""
    text = text.removeprefix("\ufeff")
    separator, start = ",", 2
    if text.startswith("sep="):
        separator, start = text[4], 3
        text = text.split("\n", 1)[1]
    lines = list(csv.reader(io.StringIO(text), delimiter=separator))
    return [dict(zip(lines[0], cells)) for cells in lines[1:]], start, separator == ";"


def answered(case):
    """The records and the refusals of the module's answers to a case."""
    command, given = arguments(case["args"])
    if "csv" in case:
        rows, start, decimal_comma = batch_rows(case["csv"])
        function = getattr(ratedload, f"{command}_rows")
        outcomes = list(function(rows, start=start, decimal_comma=decimal_comma, **given))
        refusals = [{**refusal_of(error), "line": error.line} for error in outcomes
                    if isinstance(error, ratedload.Error)]
        assert refusals == case["refusals"]
        return [outcome for outcome in outcomes if isinstance(outcome, ratedload.Answer)]
    if command == "table":
        rows = ratedload.table(**given)
        for error in rows:
            if isinstance(error, ratedload.Error):
                raise error
        return rows
    return [getattr(ratedload, command)(**given)]


@pytest.mark.parametrize("case", CASES, ids=[case["name"] for case in CASES])
def test_is_answered_as_every_front_end_answers_it(case):
    try:
        answers = answered(case)
    except ratedload.Error as error:
        assert "refusal" in case, str(error)
        assert refusal_of(error) == case["refusal"]
        overflow = error.kind == "overflow"
        assert isinstance(error, ratedload.CalculationError if overflow else ValueError)
        return
    assert "refusal" not in case
    assert "".join(answer.to_json() + "\n" for answer in answers) == case["jsonl"]
    for answer, line in zip(answers, case["jsonl"].splitlines()):
        assert answer == json.loads(line)
        assert list(answer) == list(json.loads(line))
