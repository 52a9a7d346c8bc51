#!/usr/bin/env python3
"""Start-up time of the application's main window against the same template shown bare.

    bench/startup_time.py windows [--build build-windows] [--runs 31] [--limit 1.3]
    bench/startup_time.py linux   [--build build]         [--runs 61] [--limit 1.1]

Times, from outside, three programs from their launch to the moment their window is on the
screen (the X server maps it), taking turns so that a busy machine slows each alike:

  program   the application (tqr417.exe under Wine, or tqr417 with Qt's xcb platform)
  template  the main window's template shown bare by bench/tqr417_bare_dialog main: the same
            controls in the same places, made by the toolkit alone, with no work of ours
  button    a dialog of the same size and font with one button (tqr417_bare_dialog button)

It prints the median and quartiles of each, then the ratios program / template and
template / button of the medians, each with the quartiles of the same ratio taken within
every round (three launches close together), which shows how steady it is. The same follows
for the processor time the program spent until its window was shown (under Wine with the
wineserver's, which answers its every request), which a busy machine disturbs much less than
the time on the clock. With --limit R it exits 1 when program / template of the time from the
launch is above R.

It runs its own X server (Xvfb, no window manager) and, for Windows, its own Wine prefix in the
build folder (wine-bench), kept running between launches as a desktop session would be, with
Wine's windows unmanaged, since without a window manager Wine waits for one at hidden managed
windows. The window is found by its caption through X events (MapNotify on the root window),
so the waiting costs the measured programs no processor time.
"""

import argparse
import ctypes
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import time

MAIN_CAPTION = "TQR-417 Configuration Application"
BUTTON_CAPTION = "Bare dialog"

# --- X: wait for a top-level window with a given caption to be mapped -------------------------

_SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
_MAP_NOTIFY = 19


class _XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class _XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", _XMapEvent), ("pad", ctypes.c_long * 24)]


class _XTextProperty(ctypes.Structure):
    _fields_ = [("value", ctypes.POINTER(ctypes.c_ubyte)), ("encoding", ctypes.c_ulong),
                ("format", ctypes.c_int), ("nitems", ctypes.c_ulong)]


_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)


class MapWatcher:
    """Hears every window mapped on the root window of DISPLAY."""

    def __init__(self, display):
        self.x = ctypes.CDLL("libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        self.x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        self.x.XPending.argtypes = [ctypes.c_void_p]
        self.x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(_XEvent)]
        self.x.XFlush.argtypes = [ctypes.c_void_p]
        self.x.XGetWMName.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                      ctypes.POINTER(_XTextProperty)]
        self.x.XFree.argtypes = [ctypes.c_void_p]
        self.x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        # A window gone before its name is read must not end this program.
        self._ignore_errors = _ERROR_HANDLER(lambda display, error: 0)
        self.x.XSetErrorHandler(self._ignore_errors)
        self.display = self.x.XOpenDisplay(display.encode())
        if not self.display:
            raise SystemExit(f"cannot open X display {display}")
        self.x.XSelectInput(self.display, self.x.XDefaultRootWindow(self.display),
                            _SUBSTRUCTURE_NOTIFY_MASK)
        self.x.XFlush(self.display)
        self.fd = self.x.XConnectionNumber(self.display)

    def _name(self, window):
        prop = _XTextProperty()
        if not self.x.XGetWMName(self.display, window, ctypes.byref(prop)) or not prop.value:
            return ""
        name = bytes(prop.value[:prop.nitems]).decode("latin-1")
        self.x.XFree(prop.value)
        return name

    def drain(self):
        event = _XEvent()
        while self.x.XPending(self.display):
            self.x.XNextEvent(self.display, ctypes.byref(event))

    def wait_for(self, caption, deadline):
        """The time.monotonic() at which a window named `caption` was mapped, None on time-out."""
        event = _XEvent()
        while True:
            while self.x.XPending(self.display):
                self.x.XNextEvent(self.display, ctypes.byref(event))
                if event.type == _MAP_NOTIFY and self._name(event.xmap.window) == caption:
                    return time.monotonic()
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([self.fd], [], [], left)


def start_xvfb():
    """Starts an X server of our own; returns the process and its display name."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            raise SystemExit("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


# --- The programs ---------------------------------------------------------------------------


class Platform:
    def __init__(self, build, display):
        self.build = os.path.abspath(build)
        self.env = dict(os.environ, DISPLAY=display)

    def commands(self):
        """(label, command, caption) of the three programs."""
        raise NotImplementedError

    def start(self):
        pass

    def stop(self):
        pass

    def helpers(self):
        """Processes that work for the launched program and whose processor time counts."""
        return []


class Windows(Platform):
    def __init__(self, build, display):
        super().__init__(build, display)
        self.env.update(WINEDEBUG="-all", WINEPREFIX=os.path.join(self.build, "wine-bench"))

    def _wine(self, *args):
        subprocess.run(["wine", *args], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)

    def start(self):
        for tool in ("wine", "wineserver"):
            if shutil.which(tool) is None:
                raise SystemExit(f"{tool} is missing")
        prefix = self.env["WINEPREFIX"]
        subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL, check=False)
        if not os.path.isdir(os.path.join(prefix, "drive_c")):
            os.makedirs(prefix, exist_ok=True)
            subprocess.run(["wineboot", "-i"], env=self.env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, check=False)
        # One session for every launch, as on a desktop; its windows unmanaged.
        subprocess.run(["wineserver", "-p"], env=self.env, check=False)
        self._wine("reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", "N",
                   "/f")
        self.server = self._find_server()

    def _find_server(self):
        """The pid of this prefix's wineserver, which answers every request of the program."""
        wanted = f"WINEPREFIX={self.env['WINEPREFIX']}".encode()
        for entry in os.listdir("/proc"):
            try:
                with open(f"/proc/{entry}/comm", "rb") as comm:
                    if not comm.read().startswith(b"wineserver"):
                        continue
                with open(f"/proc/{entry}/environ", "rb") as environ:
                    if wanted in environ.read().split(b"\0"):
                        return int(entry)
            except (OSError, ValueError):
                continue
        raise SystemExit("the Wine session's wineserver was not found")

    def helpers(self):
        return [self.server]

    def stop(self):
        subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL, check=False)

    def commands(self):
        bare = os.path.join(self.build, "bench", "tqr417_bare_dialog.exe")
        program = os.path.join(self.build, "ui", "tqr417.exe")
        return [("program", ["wine", program], MAIN_CAPTION),
                ("template", ["wine", bare, "main"], MAIN_CAPTION),
                ("button", ["wine", bare, "button"], BUTTON_CAPTION)]


class Linux(Platform):
    def __init__(self, build, display):
        super().__init__(build, display)
        self.env.update(QT_QPA_PLATFORM="xcb")

    def commands(self):
        bare = os.path.join(self.build, "bench", "tqr417_bare_dialog")
        program = os.path.join(self.build, "ui", "tqr417")
        return [("program", [program], MAIN_CAPTION),
                ("template", [bare, "main"], MAIN_CAPTION),
                ("button", [bare, "button"], BUTTON_CAPTION)]


def processor_ms(pid):
    """Time on a processor of all threads of process `pid` so far, in milliseconds (the
    scheduler's count, in nanoseconds, rather than the 10 ms ticks of /proc/PID/stat)."""
    total = 0
    for thread in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{thread}/schedstat", "rb") as schedstat:
                total += int(schedstat.read().split()[0])
        except (OSError, ValueError, IndexError):
            continue  # a thread that ended meanwhile
    return total / 1e6


def launch_once(watcher, platform, command, caption):
    """Milliseconds from the launch of `command` to its window's map, and the processor time
    the program and its helpers spent until then; None when no window came."""
    watcher.drain()
    helpers = platform.helpers()
    helpers_before = sum(processor_ms(pid) for pid in helpers)
    started = time.monotonic()
    process = subprocess.Popen(command, env=platform.env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    shown = watcher.wait_for(caption, started + 30.0)
    used = processor_ms(process.pid) + sum(processor_ms(pid) for pid in helpers) - helpers_before
    process.send_signal(signal.SIGKILL)
    process.wait()
    return None if shown is None else ((shown - started) * 1000.0, used)


def quartiles(values):
    q = statistics.quantiles(values, n=4, method="inclusive")
    return q[0], statistics.median(values), q[2]


def report(title, times):
    """Prints the medians and quartiles of `times` (label: values by round), then the two
    ratios of the medians with the quartiles of the same ratio within each round; returns
    program / template."""
    print(f"  {title}: median [quartiles]")
    medians = {}
    for label, values in times.items():
        low, median, high = quartiles(values)
        medians[label] = median
        print(f"    {label:9} {median:7.0f}  [{low:.0f} .. {high:.0f}]")
    for top, over in (("program", "template"), ("template", "button")):
        low, _, high = quartiles([a / b for a, b in zip(times[top], times[over]) if b > 0])
        print(f"    {top + ' / ' + over:18}  {medians[top] / medians[over]:.2f}"
              f"  [rounds: {low:.2f} .. {high:.2f}]")
    return medians["program"] / medians["template"]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("platform", choices=["windows", "linux"])
    parser.add_argument("--build", help="build folder (default build-windows or build)")
    # A Qt start is over in a tenth of the time, where the scheduler's noise weighs more.
    parser.add_argument("--runs", type=int,
                        help="launches of each (default 31 under Wine, 61 with Qt)")
    parser.add_argument("--limit", type=float, help="exit 1 when program / template is above it")
    args = parser.parse_args()
    windows = args.platform == "windows"
    build = args.build or ("build-windows" if windows else "build")
    runs = args.runs or (31 if windows else 61)

    server, display = start_xvfb()
    platform = (Windows if windows else Linux)(build, display)
    try:
        for _, command, _ in platform.commands():
            program = command[1] if command[0] == "wine" else command[0]
            if not os.path.isfile(program):
                raise SystemExit(f"{program} is not built")
        platform.start()
        watcher = MapWatcher(display)
        programs = platform.commands()
        # One launch of each first, so that every program starts from a warm file cache.
        for _, command, caption in programs:
            if launch_once(watcher, platform, command, caption) is None:
                raise SystemExit(f"{' '.join(command)}: no window named {caption!r}")
        wall = {label: [] for label, _, _ in programs}
        processor = {label: [] for label, _, _ in programs}
        for round_number in range(runs):
            # Each round in another order, so that none always follows the same one.
            shift = round_number % len(programs)
            for label, command, caption in programs[shift:] + programs[:shift]:
                measured = launch_once(watcher, platform, command, caption)
                if measured is None:
                    raise SystemExit(f"{' '.join(command)}: no window named {caption!r}")
                wall[label].append(measured[0])
                processor[label].append(measured[1])
                time.sleep(0.2)  # let the ended program's clean-up pass
    finally:
        platform.stop()
        server.terminate()
        server.wait()

    print(f"Start to window shown, {args.platform}, {runs} alternating launches each")
    program_ratio = report("time from the launch (ms)", wall)
    helpers = " and the wineserver" if windows else ""
    report(f"processor time of the program{helpers} until then (ms)", processor)
    if args.limit is not None and program_ratio > args.limit:
        print(f"  program / template is above {args.limit}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
