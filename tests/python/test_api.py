# SPDX-License-Identifier: MIT
# What a person sees of the module besides the answers: help that says what
# the command's --help says, a stub that matches the functions, the version,
# and sheets and charts that are the command line's own.
import ast
import inspect
import os
import re
import subprocess
import sys

import pytest

import ratedload
from conftest import CLI, run_cli

# The options that the module has no argument for: it has no output formats,
# takes rows for --batch, and writes one sheet per call.
NOT_ARGUMENTS = {"help", "format", "batch", "imperial", "sheet-dir"}
RENAMED = {("chart", "car"): "cars", ("*", "class"): "freight_class"}


@pytest.mark.parametrize("command", ["load", "area", "check", "table", "chart"])
def test_help_has_every_option_of_the_commands_help(command):
    function = getattr(ratedload, command)
    _, helped, _ = run_cli([command, "--help"])
    options = set(re.findall(r"^  (?:-h,)?--([a-z-]+)", helped, re.M)) - NOT_ARGUMENTS
    arguments = {RENAMED.get((command, option), RENAMED.get(("*", option), option))
                 for option in options} | {"metric"}
    parameters = set(inspect.signature(function).parameters) - {"rows", "start", "decimal_comma"}
    assert parameters == arguments
    assert all(f"\n  {argument}\n" in function.__doc__ for argument in arguments)
    summary = " ".join(function.__doc__.split("\n\n")[0].split())
    assert summary.lower().rstrip(".") == helped.splitlines()[0].lower()


def test_the_stub_has_the_signatures_of_the_functions():
    folder = os.path.dirname(ratedload.__file__)
    with open(os.path.join(folder, "__init__.pyi"), encoding="utf-8") as stub:
        tree = ast.parse(stub.read())
    stubbed = {node.name: [(a.arg, kind) for kind, group in (("positional", node.args.args),
                                                             ("keyword", node.args.kwonlyargs))
                           for a in group]
               for node in tree.body if isinstance(node, ast.FunctionDef)}
    kinds = {inspect.Parameter.POSITIONAL_OR_KEYWORD: "positional",
             inspect.Parameter.KEYWORD_ONLY: "keyword"}
    functions = {name for name in ratedload.__all__ if inspect.isfunction(getattr(ratedload, name))}
    assert set(stubbed) == functions
    for name in functions:
        parameters = inspect.signature(getattr(ratedload, name)).parameters.values()
        assert stubbed[name] == [(p.name, kinds[p.kind]) for p in parameters], name
    verdicts = next(node for node in tree.body if getattr(node, "name", "") == "Verdict")
    assert [ast.literal_eval(item.value) for item in verdicts.body] == list(ratedload.Verdict)


def test_the_version_is_the_programs():
    assert run_cli(["--version"])[1] == f"ratedload-cli {ratedload.__version__}\n"


def sheet_words(path, program):
    text = subprocess.run(["pdftotext", path, "-"], capture_output=True, text=True,
                          check=True).stdout
    text = re.sub(r"\d{4}-\d\d-\d\d \d\d:\d\d \w+", "", text.replace(program, "PROGRAM"))
    return text.split()


def test_a_sheet_is_the_command_lines(tmp_path):
    car = dict(load=3000, depth="6ft", width="5ft10in", site="Harbour Tower", car="Car 3")
    answer = ratedload.check(**car, sheet=tmp_path / "module.pdf", paper="a4")
    run_cli(["check", "--load", "3000", "--depth", "6ft", "--width", "5ft10in", "--site",
             "Harbour Tower", "--car", "Car 3", "--paper", "a4",
             "--sheet", str(tmp_path / "cli.pdf")])
    module = sheet_words(tmp_path / "module.pdf", f"ratedload for Python {ratedload.__version__}")
    assert module == sheet_words(tmp_path / "cli.pdf", f"ratedload-cli {ratedload.__version__}")
    assert answer["verdict"] in " ".join(module) and "Harbour" in module


@pytest.mark.parametrize("form, size", [("svg", None), ("png", (800, 600))])
def test_a_chart_is_the_command_lines(form, size):
    picture = ratedload.chart(cars=[(4000, 41.56), "3500,41.56"], size=size, **{form: True})
    words = ["chart", "--car", "4000,41.56", "--car", "3500,41.56", f"--{form}", "-"]
    words += ["--size", "800x600"] if size else []
    assert picture == subprocess.run([CLI, *words], capture_output=True, check=True).stdout


def test_without_the_painter_a_sheet_is_refused_and_the_answer_stands(tmp_path):
    program = ("import ratedload\ntry:\n    ratedload.load(area=50, sheet='car.pdf')\n"
               "except ratedload.PainterError as error:\n    print(error.field, error.reason)")
    said = subprocess.run([sys.executable, "-c", program], cwd=tmp_path, capture_output=True,
                          text=True, check=True,
                          env={**os.environ, "RATEDLOAD_REPORT": str(tmp_path / "none")})
    assert said.stdout.startswith("sheet ") and "none" in said.stdout
    with pytest.raises(OSError, match="cannot write"):
        ratedload.load(area=50, sheet=tmp_path / "no folder" / "car.pdf")
