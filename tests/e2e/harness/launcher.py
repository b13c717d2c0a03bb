"""How the tool is started, and how paths look to it: the one place that knows whether
the native build or the Windows build under Wine is being tested.

Cases write paths and separators as placeholders ({src}, {tgt}, {root}, {sep}), in
their arguments and in their expected output alike; the launcher supplies the values.
"""

import os
import re
import subprocess

_PLACEHOLDER = re.compile(r"\{(src|tgt|root|sep|btime0|btime1)\}")
# Wine's own diagnostics (such as "wine: Read access denied for device ..." when it
# cannot read a volume label) end in a bare line feed; the tool's lines end in CR LF.
_WINE_NOTICE = re.compile(rb"^wine: [^\r\n]*\n", re.MULTILINE)
RUN_TIMEOUT_SECONDS = 60


class Launcher:
    """Starts the tool natively, or as WINE_BINARY movra.exe under Wine."""

    def __init__(self, binary, wine=None):
        self.binary = os.path.abspath(binary)
        self.wine = wine
        self.platform = "wine" if wine else "posix"
        self.sep = "\\" if wine else "/"

    def unsupported(self, case):
        """Why Wine cannot show what the case expects, or "" when it can."""
        if not self.wine:
            return ""
        expected = "".join(t for t in (case.stdout, case.stderr) if isinstance(t, str))
        if not expected.isascii():
            return "Wine writes redirected output in its ANSI code page, not UTF-8"
        if case.renames:
            return ("Wine reports success for a case-only rename and keeps the old spelling; "
                    "movra reports ###Error### (fix.wine_case_only_rename_kept_old_name)")
        if case.exact_birth:
            return "Wine does not report birth times as creation times"
        return ""

    def warm_up(self):
        """Lets Wine create or update its prefix before the first case is timed and read."""
        if self.wine:
            # Wine's first start leaves services running that inherit the streams they
            # are given: pipes here would keep a later read waiting for ever.
            subprocess.run(
                self.command(["/void"]),
                env=self.environment({}),
                stdin=subprocess.DEVNULL,
                stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL,
                check=False,
            )

    def tool_path(self, linux_path):
        """A path as the tool is given it and prints it: Wine sees the Linux root as Z:."""
        if not self.wine:
            return linux_path
        return "Z:" + linux_path.replace("/", "\\")

    def fill(self, text, values):
        """Replaces the known placeholders in text; any other brace is left alone."""
        if not isinstance(text, str):
            return text
        return _PLACEHOLDER.sub(lambda m: values[m.group(1)], text)

    def command(self, args):
        return ([self.wine, self.binary] if self.wine else [self.binary]) + list(args)

    def environment(self, overrides):
        """A clean environment: PATH, TZ=UTC and an English UTF-8 locale, then the case's
        overrides (None removes a variable). Wine also needs its prefix and home."""
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "TZ": "UTC", "LANG": "C.UTF-8"}
        if self.wine:
            env["WINEDEBUG"] = "-all"
            for name in ("HOME", "WINEPREFIX", "WINEARCH", "DISPLAY"):
                if name in os.environ:
                    env[name] = os.environ[name]
        for name, value in overrides.items():
            if value is None:
                env.pop(name, None)
            else:
                env[name] = value
        return env

    def run(self, args, cwd, env_overrides):
        """Runs the tool with redirected output, no input and no controlling terminal, so a
        pause can never wait for a key. Returns (stdout, stderr, exit code); the code is
        None when the run had to be killed."""
        proc = subprocess.Popen(
            self.command(args),
            cwd=cwd,
            env=self.environment(env_overrides),
            stdin=subprocess.DEVNULL,
            stdout=subprocess.PIPE,
            stderr=subprocess.PIPE,
            start_new_session=True,
        )
        try:
            out, err = proc.communicate(timeout=RUN_TIMEOUT_SECONDS)
            code = proc.returncode
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, 9)
            try:
                out, err = proc.communicate(timeout=5)
            except subprocess.TimeoutExpired:
                out, err = b"", b""
            code = None
        if self.wine:
            err = _WINE_NOTICE.sub(b"", err)
        return out, err, code
