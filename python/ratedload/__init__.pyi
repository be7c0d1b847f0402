# SPDX-License-Identifier: MIT
# The signatures of the package ratedload, for editors and type checkers.

import enum
import os
from typing import Any, Iterable, Iterator, Mapping, Optional, Sequence, Tuple, Union

__version__: str

# A number, or its text; a side is a text with its unit ("7ft4in").
_Number = Union[int, float, str]
_Path = Union[str, bytes, os.PathLike[str], os.PathLike[bytes]]

class Verdict(str, enum.Enum):
    PASSES = "passes"
    PASSES_WITHIN_ALLOWANCE = "passes within the 5 % allowance"
    FAILS = "fails"

class Error(Exception):
    kind: str
    field: Optional[str]
    reason: str
    line: Optional[int]
    def __init__(self, field: Optional[str], reason: str, line: Optional[int] = ...) -> None: ...

class InputError(Error, ValueError): ...
class MessageError(InputError): ...
class CalculationError(Error, ArithmeticError): ...
class PainterError(Error, RuntimeError): ...

class Answer(dict[str, Any]):
    texts: dict[str, Optional[str]]
    verdict: Optional[Verdict]
    def to_json(self) -> str: ...

def load(
    *,
    type: Optional[str] = ...,
    freight_class: Optional[str] = ...,
    truck: Optional[_Number] = ...,
    area: Optional[_Number] = ...,
    depth: Optional[str] = ...,
    width: Optional[str] = ...,
    metric: bool = ...,
    sheet: Optional[_Path] = ...,
    paper: Optional[str] = ...,
    site: Optional[str] = ...,
    car: Optional[str] = ...,
    inspector: Optional[str] = ...,
) -> Answer: ...
def area(
    *,
    type: Optional[str] = ...,
    freight_class: Optional[str] = ...,
    load: Optional[_Number] = ...,
    depth: Optional[str] = ...,
    width: Optional[str] = ...,
    metric: bool = ...,
    sheet: Optional[_Path] = ...,
    paper: Optional[str] = ...,
    site: Optional[str] = ...,
    car: Optional[str] = ...,
    inspector: Optional[str] = ...,
) -> Answer: ...
def check(
    *,
    type: Optional[str] = ...,
    freight_class: Optional[str] = ...,
    truck: Optional[_Number] = ...,
    load: Optional[_Number] = ...,
    area: Optional[_Number] = ...,
    depth: Optional[str] = ...,
    width: Optional[str] = ...,
    metric: bool = ...,
    sheet: Optional[_Path] = ...,
    paper: Optional[str] = ...,
    site: Optional[str] = ...,
    car: Optional[str] = ...,
    inspector: Optional[str] = ...,
) -> Answer: ...
def table(
    *,
    type: Optional[str] = ...,
    freight_class: Optional[str] = ...,
    truck: Optional[_Number] = ...,
    loads: Union[str, _Number, Iterable[_Number], None] = ...,
    areas: Union[str, _Number, Iterable[_Number], None] = ...,
    depth: Optional[str] = ...,
    width: Optional[str] = ...,
    metric: bool = ...,
) -> list[Union[Answer, Error]]: ...
def check_rows(
    rows: Iterable[Mapping[Any, Any]],
    *,
    type: Optional[str] = ...,
    freight_class: Optional[str] = ...,
    truck: Optional[_Number] = ...,
    load: Optional[_Number] = ...,
    area: Optional[_Number] = ...,
    depth: Optional[str] = ...,
    width: Optional[str] = ...,
    metric: bool = ...,
    start: int = ...,
    decimal_comma: bool = ...,
) -> Iterator[Union[Answer, Error, None]]: ...
def load_rows(
    rows: Iterable[Mapping[Any, Any]],
    *,
    type: Optional[str] = ...,
    freight_class: Optional[str] = ...,
    truck: Optional[_Number] = ...,
    area: Optional[_Number] = ...,
    depth: Optional[str] = ...,
    width: Optional[str] = ...,
    metric: bool = ...,
    start: int = ...,
    decimal_comma: bool = ...,
) -> Iterator[Union[Answer, Error, None]]: ...
def area_rows(
    rows: Iterable[Mapping[Any, Any]],
    *,
    type: Optional[str] = ...,
    freight_class: Optional[str] = ...,
    load: Optional[_Number] = ...,
    depth: Optional[str] = ...,
    width: Optional[str] = ...,
    metric: bool = ...,
    start: int = ...,
    decimal_comma: bool = ...,
) -> Iterator[Union[Answer, Error, None]]: ...
def chart(
    *,
    type: Optional[str] = ...,
    freight_class: Optional[str] = ...,
    areas: Union[str, Tuple[_Number, _Number], None] = ...,
    cars: Iterable[Union[str, Sequence[_Number]]] = ...,
    rows: Optional[Iterable[Mapping[Any, Any]]] = ...,
    svg: Union[_Path, bool, None] = ...,
    png: Union[_Path, bool, None] = ...,
    size: Union[str, Tuple[int, int], None] = ...,
    metric: bool = ...,
    start: int = ...,
    decimal_comma: bool = ...,
) -> Union[bytes, Tuple[bytes, bytes], None]: ...
