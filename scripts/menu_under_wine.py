"""The menu under Wine on an X display, seen and driven from outside: Windows
programs run in a Wine prefix (scripts/wine-run), the display's resolution
set as Windows' display settings set it, Wine's desktop as X shows it, the
menu's windows as e2e-probe reports them from inside Wine, and the menu
started on a medium until its window is closed. Every wait is bounded.

scripts/photograph-menu and scripts/set-display-dpi stand on it, and so does
the end-to-end harness (tests/e2e/harness.py).
"""

import json
import os
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
WINE_RUN = ROOT / "scripts" / "wine-run"

# Generous for a loaded machine: these bound a wait, they do not measure it.
TIMEOUT = 20
# The display's resolution that the menu lays itself out in; at another one
# it draws that layout scaled, every edge through scaled().
LOGICAL_DPI = 96


def built_program(build, name):
    """Where the build tree `build` put the program `name`, as its
    configuration wrote it into programs.env."""
    listing = Path(build) / "programs.env"
    if not listing.exists():
        raise FileNotFoundError(f"{listing} is missing: configure that build first")
    programs = dict(line.split("=", 1) for line in listing.read_text(encoding="utf-8").splitlines() if line)
    if name not in programs:
        raise KeyError(f"{listing} names no {name}")
    return Path(programs[name])


def scaled(logical, dpi):
    """A logical pixel amount on a display of dpi, rounded half up as the
    menu rounds it."""
    return (logical * dpi + LOGICAL_DPI // 2) // LOGICAL_DPI


def wait_for(condition, what, timeout=TIMEOUT):
    """Polls until condition() gives something true, and returns that."""
    end = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > end:
            raise AssertionError(f"{what}: not within {timeout} s")
        time.sleep(0.1)


class WineRunFailed(RuntimeError):
    """A Windows program under Wine ended with an error, and said this."""


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], capture_output=True, timeout=30, check=True).stdout.decode()


class Wine:
    """Windows programs in one Wine prefix, and e2e-probe, a Windows program
    of a build, which reports their windows."""

    def __init__(self, prefix, probe_program):
        self.prefix = Path(prefix)
        self.probe_program = Path(probe_program)
        self.environment = {**os.environ, "STARTART_WINEPREFIX": str(self.prefix)}

    @classmethod
    def of_scripts(cls):
        """Wine as the scripts run it: in the prefix that STARTART_WINEPREFIX
        names (scripts/wine-run's own without it), with the probe of the
        x86_64 build."""
        prefix = os.environ.get("STARTART_WINEPREFIX", ROOT / "build" / "wineprefix")
        return cls(prefix, built_program(ROOT / "build" / "win64", "e2e-probe"))

    def run(self, *args, check=True, timeout=120):
        """Runs a Windows program in the prefix and gives back its output."""
        done = subprocess.run(
            [str(WINE_RUN), *map(str, args)],
            stdin=subprocess.DEVNULL,
            capture_output=True,
            timeout=timeout,
            env=self.environment,
        )
        if check and done.returncode != 0:
            # What Wine or the program said is the only clue to a failure
            # that a rerun may not show again.
            error = done.stderr.decode("utf-8", "replace").strip()
            raise WineRunFailed(f"{' '.join(map(str, args))}: exit status {done.returncode}: {error or 'no message'}")
        return done.stdout.decode("utf-8")

    def start(self):
        """Makes the prefix where it is missing and starts Wine's services and
        desktop, which stay while programs follow each other: no bounded wait
        of a caller includes them. Making a prefix takes half a minute or
        more."""
        self.run(self.probe_program, "windows", "startart.exe", timeout=600)

    def stop(self):
        """Ends every process of the prefix, Wine's desktop included."""
        environment = {**os.environ, "WINEPREFIX": str(self.prefix)}
        for option in ("-k", "-w"):
            subprocess.run(["/usr/lib/wine/wineserver", option], env=environment, check=False, timeout=60)

    def set_display_dpi(self, dpi, desktop=(1024, 768)):
        """The display's resolution as Windows' display settings set it (150 %
        is 144 dpi), for every program started from now on: Wine reads it
        when its services start, so they start anew. Wine's desktop grows with
        it, so that it holds the logical pixels of `desktop` as at 100 %: a
        display of 2048 x 1536 pixels at 200 %, which the virtual display
        must hold (STARTART_XVFB_SCREEN)."""
        for key in (r"HKCU\Control Panel\Desktop", r"HKCU\Software\Wine\Fonts", r"HKCC\Software\Fonts"):
            self.run("reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")
        size = f"{scaled(desktop[0], dpi)}x{scaled(desktop[1], dpi)}"
        self.run("reg", "add", r"HKCU\Software\Wine\Explorer\Desktops", "/v", "Default", "/d", size, "/f")
        self.stop()
        self.start()

    def probe(self, *args):
        """What e2e-probe reports. Once in many fresh-machine runs Wine ended
        the probe with status 1 while the menu ran on; the probe only looks,
        so it is asked once more, and the first failure stays in the log."""
        try:
            report = self.run(self.probe_program, *args)
        except WineRunFailed as failure:
            print(f"e2e-probe asked once more after: {failure}", file=sys.stderr)
            report = self.run(self.probe_program, *args)
        return json.loads(report)


class Desktop:
    """Wine's desktop as X shows it. Windows' screen coordinates are those of
    the desktop window, which X may have put anywhere."""

    def __init__(self):
        found = wait_for(lambda: xdotool("search", "--name", "Wine desktop").split(), "Wine's desktop")
        self.window = found[0]
        shell = xdotool("getwindowgeometry", "--shell", found[0])
        geometry = dict(line.split("=", 1) for line in shell.split())
        self.origin = (int(geometry["X"]), int(geometry["Y"]))

    def move(self, point):
        xdotool("mousemove", point[0] + self.origin[0], point[1] + self.origin[1])

    def click(self, point):
        xdotool("mousemove", point[0] + self.origin[0], point[1] + self.origin[1], "click", "1")

    def key(self, *names):
        """Types keys, as xdotool names them (Down, Return, Escape), into
        Wine's desktop; without a window manager nothing gives it the
        keyboard by itself."""
        xdotool("windowfocus", "--sync", self.window)
        xdotool("key", "--delay", "150", *names)


class RunningMenu:
    """startart.exe of a medium running under Wine, with its windows as the
    probe sees them. The first window it shows is the main window."""

    def __init__(self, wine, medium, dpi=LOGICAL_DPI):
        self.wine = wine
        self.dpi = dpi
        self.process = subprocess.Popen(
            [str(WINE_RUN), str(medium / "startart.exe")],
            stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
            start_new_session=True,
            env=wine.environment,
        )
        try:
            self.main = wait_for(lambda: self._visible_of_class("StartartForm"), "the menu's window")[0]
            self.desktop = Desktop()
        except BaseException:
            self.stop()
            raise

    def stop(self):
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait(timeout=TIMEOUT)

    def windows(self):
        return [window for window in self.wine.probe("windows", "startart.exe") if window["visible"]]

    def _visible_of_class(self, name):
        return [window for window in self.windows() if window["class"] == name]

    def window(self, hwnd):
        """The window as it is now, or None once it has gone."""
        return next((window for window in self.windows() if window["hwnd"] == hwnd), None)

    def close(self, window):
        """Clicks the window's close box."""
        point = self.wine.probe("closebox", window["hwnd"])
        assert point, f"window {window['text']!r} has no close box"
        self.desktop.click(point)

    def exit_status(self):
        return self.process.wait(timeout=TIMEOUT)
