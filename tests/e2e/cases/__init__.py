"""The cases, one module per topic; each module holds a list CASES."""

import importlib

_MODULES = [
    "cli_errors",
    "folder_args",
    "language",
    "output_forms",
    "list_form",
    "walk_order",
    "name_fix",
    "content",
    "times",
    "attributes",
    "run_end",
]


def all_cases():
    """Every case of every module, in module order."""
    cases = []
    for name in _MODULES:
        cases.extend(importlib.import_module(f"{__name__}.{name}").CASES)
    return cases
