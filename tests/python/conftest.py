# SPDX-License-Identifier: MIT
# What the tests of the Python module share: the command line they compare
# it with, and the command line's words as the module's arguments.
import os
import subprocess

CLI = os.environ.get("RATEDLOAD_CLI", "ratedload-cli")
# The module's names of the command line's options, where they differ.
ARGUMENTS = {"class": "freight_class"}


def run_cli(words, stdin=""):
    """The command line's status, standard output and standard error."""
    ran = subprocess.run([CLI, *words], input=stdin, capture_output=True, text=True,
                         env={**os.environ, "LC_ALL": "C.UTF-8"}, check=False)
    return ran.returncode, ran.stdout, ran.stderr


def arguments(words):
    """The command and the keyword arguments of the command line's words."""
    command, given = words[0], {}
    rest = iter(words[1:])
    for word in rest:
        if word == "--metric":
            given["metric"] = True
        elif word != "--batch":
            given[ARGUMENTS.get(word[2:], word[2:])] = next(rest)
    return command, given


def refusal_of(error):
    """A raised error as the golden cases write a refusal."""
    field = {argument: entry for entry, argument in ARGUMENTS.items()}.get(error.field, error.field)
    return {"field": field or "", "kind": error.kind, "reason": error.reason}
