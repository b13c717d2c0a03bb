"""How a failing case is shown: expected against actual, as byte reprs, line by line."""

import difflib

_FULL_REPR_LIMIT = 3000


def _lines(data):
    return [repr(line) for line in data.splitlines(keepends=True)] or ["b''"]


def stream_diff(label, expected, actual):
    """Text lines that show how actual differs from the expected bytes."""
    out = [f"  {label} differs:"]
    if len(expected) + len(actual) <= _FULL_REPR_LIMIT:
        out.append(f"    expected: {expected!r}")
        out.append(f"    actual:   {actual!r}")
    diff = difflib.unified_diff(_lines(expected), _lines(actual), "expected", "actual", lineterm="")
    out.extend("    " + line for line in diff)
    return out


def pattern_mismatch(label, pattern, actual):
    return [f"  {label} does not match {pattern.pattern!r}:", f"    actual: {actual!r}"]


def shorten(arg, limit=120):
    """An argument for the command-line echo; the 10,000-character ones are cut."""
    text = arg if isinstance(arg, str) else repr(arg)
    return text if len(text) <= limit else f"{text[:limit]}...({len(text)} chars)"
