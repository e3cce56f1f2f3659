"""A private desktop for driving the real norvil binary from outside.

Either X (Xvfb with openbox as the window manager) or Wayland (weston's headless compositor, Qt's
Wayland platform); in both a private D-Bus session with the accessibility bus, and xdg-open
pointed at a recorder instead of a browser. Every process started here is stopped by its PID;
every wait has a bound.
"""
import glob
import json
import os
import sys
import shutil
import signal
import socket
import subprocess
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SYSTEM_PYTHON = "/usr/bin/python3"  # pyatspi only works with Debian's own python
# Qt's Wayland platform plugin, wherever the architecture puts it.
QT_WAYLAND = next(iter(glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so")), "qt6-wayland (libqwayland-generic.so)")

TOOLS = {
    "x11": ["Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "xev", "import"],
    "wayland": ["weston", QT_WAYLAND],
}
COMMON_TOOLS = ["dbus-daemon", "/usr/libexec/at-spi-bus-launcher", "xdg-open"]


def missing_tools(session):
    missing = [t for t in COMMON_TOOLS + TOOLS[session] if shutil.which(t) is None and not os.path.exists(t)]
    try:
        subprocess.run([SYSTEM_PYTHON, "-c", "import pyatspi"], check=True, capture_output=True, timeout=30)
    except (OSError, subprocess.SubprocessError):
        missing.append("python3-pyatspi")
    return missing


def wait_for(predicate, timeout, interval=0.05):
    """Polls predicate until it returns something true or timeout seconds pass."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            return value
        time.sleep(interval)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def port_open(port):
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=1):
            return True
    except OSError:
        return False


def stop(process, timeout=5):
    """Stops a process started in a session of its own, with everything it started."""
    if process is None:
        return
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(process.pid, sig)
        except (ProcessLookupError, PermissionError):
            pass
        try:
            process.wait(timeout)
            return
        except subprocess.TimeoutExpired:
            continue


class Desktop:
    def __init__(self, width=1280, height=1024, session="x11"):
        self.width, self.height, self.session = width, height, session
        self.dir = tempfile.mkdtemp(prefix="norvil-e2e-")
        os.chmod(self.dir, 0o755)
        self.processes = []
        self.dbus_pid = None
        self.env = {}

    # ----- start and stop -------------------------------------------------------------------
    def start(self):
        empty = os.path.join(self.dir, "empty")
        runtime = os.path.join(self.dir, "runtime")
        os.makedirs(empty)
        os.makedirs(runtime, mode=0o700)
        self.recorder_log = os.path.join(self.dir, "browser.log")
        recorder = os.path.join(self.dir, "browser")
        with open(recorder, "w") as f:
            f.write(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{self.recorder_log}"\n')
        os.chmod(recorder, 0o755)

        self.env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": self.dir, "LANG": "C.UTF-8",
                    "XDG_RUNTIME_DIR": runtime}
        if self.session == "wayland":
            self._start_weston()
        else:
            self._start_xvfb()
        # The program under test: no desktop environment and no desktop files, so xdg-open
        # falls back to $BROWSER, our recorder.
        self.app_env = dict(self.env, XDG_DATA_DIRS=empty, XDG_DATA_HOME=empty, XDG_CONFIG_HOME=empty,
                            XDG_CONFIG_DIRS=empty, BROWSER=recorder, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                            no_proxy="127.0.0.1,localhost")
        for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
            if name in os.environ:
                self.app_env[name] = os.environ[name]

        out = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"],
                             env=self.env, capture_output=True, text=True, timeout=30, check=True).stdout.split()
        self.env["DBUS_SESSION_BUS_ADDRESS"], self.dbus_pid = out[0], int(out[1])
        self.app_env["DBUS_SESSION_BUS_ADDRESS"] = out[0]
        # Qt does not start the accessibility bus itself: it must be announced before the program starts.
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        if self.session == "x11":
            self._start_openbox()
        return self

    def _start_xvfb(self):
        xvfb = self._spawn(["Xvfb", "-displayfd", "1", "-screen", "0", f"{self.width}x{self.height}x24",
                            "-dpi", "96", "-nolisten", "tcp"], stdout=subprocess.PIPE)
        display = xvfb.stdout.readline().decode().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + display

    def _start_weston(self):
        socket_name = "norvil-wayland"
        log = os.path.join(self.dir, "weston.log")
        self._spawn(["weston", "--backend=headless-backend.so", f"--socket={socket_name}", "--idle-time=0",
                     f"--width={self.width}", f"--height={self.height}", f"--log={log}"])
        if not wait_for(lambda: os.path.exists(os.path.join(self.env["XDG_RUNTIME_DIR"], socket_name)), 20):
            raise RuntimeError("weston did not start")
        self.env.update(WAYLAND_DISPLAY=socket_name, QT_QPA_PLATFORM="wayland")

    def _start_openbox(self):
        # openbox now and then exits at once, silently, on a display that has just come up: try again.
        openbox_log = os.path.join(self.dir, "openbox.log")
        for _ in range(3):
            with open(openbox_log, "w") as log:
                openbox = self._spawn(["openbox", "--sm-disable"], stderr=log)
            managed = wait_for(lambda: openbox.poll() is not None
                               or "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.xprop_root("_NET_SUPPORTING_WM_CHECK"), 20)
            if managed and openbox.poll() is None:
                return
        with open(openbox_log) as log:
            raise RuntimeError("openbox did not start: " + log.read())

    def stop(self):
        for process in reversed(self.processes):
            stop(process)
        if self.dbus_pid:
            try:
                os.kill(self.dbus_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        shutil.rmtree(self.dir, ignore_errors=True)

    def _spawn(self, argv, **kwargs):
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", subprocess.DEVNULL)
        process = subprocess.Popen(argv, env=self.env or None, start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    # ----- X facts --------------------------------------------------------------------------
    def run(self, argv, timeout=20):
        return subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=timeout)

    def xprop_root(self, *props):
        return self.run(["xprop", "-root", *props]).stdout

    def xprop(self, window, *props):
        return self.run(["xprop", "-id", str(window), *props]).stdout

    def visible_windows(self, pid):
        out = self.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)]).stdout.split()
        return [int(w) for w in out]

    def wait_window(self, pid, timeout=20):
        """The window once it is shown: its X id, or on Wayland (where a client cannot see its
        windows from outside) the dialog as the accessibility tree shows it."""
        if self.session == "wayland":
            return wait_for(lambda: next((n for n in self.accessibility_tree(pid)
                                          if n["role"] == "dialog" and n["showing"]), None), timeout, 0.2)
        windows = wait_for(lambda: self.visible_windows(pid), timeout)
        return windows[-1] if windows else None

    def geometry(self, window):
        """Client area as (x, y, width, height) in root coordinates."""
        info = {}
        for line in self.run(["xwininfo", "-id", str(window)]).stdout.splitlines():
            key, _, value = line.strip().partition(":")
            info[key] = value.strip()
        return (int(info["Absolute upper-left X"]), int(info["Absolute upper-left Y"]),
                int(info["Width"]), int(info["Height"]))

    def frame_extents(self, window):
        out = self.xprop(window, "_NET_FRAME_EXTENTS")
        if "=" not in out:
            return (0, 0, 0, 0)
        return tuple(int(v) for v in out.split("=")[1].split(","))

    def screenshot(self, path, window=None):
        target = ["-window", "root"] if window is None else ["-frame", "-window", str(window)]
        self.run(["import", *target, path], timeout=60)

    # ----- accessibility --------------------------------------------------------------------
    def accessibility_tree(self, pid):
        result = subprocess.run([SYSTEM_PYTHON, os.path.join(HERE, "atspi_dump.py"), str(pid)],
                                env=self.env, capture_output=True, text=True, timeout=30)
        if result.returncode != 0:
            if os.environ.get("NORVIL_E2E_DEBUG"):
                print("atspi_dump:", result.returncode, result.stderr[-2000:], file=sys.stderr)
            return []
        return [json.loads(line) for line in result.stdout.splitlines()]

    def press(self, pid, button):
        """Does the button's action through the accessibility bus, as an assistive tool would."""
        return subprocess.run([SYSTEM_PYTHON, os.path.join(HERE, "atspi_dump.py"), "--press", str(pid), button],
                              env=self.env, capture_output=True, timeout=30).returncode == 0

    def follow_focus(self, seconds=30):
        """Starts a reader that follows the focus as a screen reader does; returns once it listens.
        Its finish() gives the focus changes it saw, up to the first push button."""
        reader = subprocess.Popen([SYSTEM_PYTHON, os.path.join(HERE, "atspi_dump.py"), "--focus", str(seconds)],
                                  env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                                  start_new_session=True)
        if reader.stdout.readline().strip() != "ready":
            stop(reader)
            raise RuntimeError("the focus reader did not start")
        return FocusReader(reader, seconds)

    # ----- watching the root window for mapped windows ---------------------------------------
    def watch_maps(self):
        path = os.path.join(self.dir, f"maps-{time.monotonic_ns()}.log")
        log = open(path, "w")
        process = self._spawn(["xev", "-root", "-event", "substructure", "-event", "property"], stdout=log)
        log.close()
        # Touch a root property until xev reports it: from then on it sees every map.
        def listening():
            self.run(["xprop", "-root", "-f", "_NORVIL_PROBE", "8s", "-set", "_NORVIL_PROBE", "x"])
            with open(path) as f:
                return "_NORVIL_PROBE" in f.read()
        if not wait_for(listening, 10, 0.1):
            raise RuntimeError("xev did not start listening")
        return MapWatch(process, path)

    def browser_urls(self):
        try:
            with open(self.recorder_log) as f:
                return f.read().splitlines()
        except FileNotFoundError:
            return []

    def clear_browser_urls(self):
        if os.path.exists(self.recorder_log):
            os.remove(self.recorder_log)


class MapWatch:
    def __init__(self, process, path):
        self.process, self.path = process, path

    def maps(self):
        stop(self.process)
        with open(self.path) as f:
            return [line for line in f.read().splitlines() if line.startswith("MapNotify")]


class FocusReader:
    def __init__(self, process, seconds):
        self.process, self.seconds = process, seconds

    def finish(self):
        try:
            out, _ = self.process.communicate(timeout=self.seconds + 10)
        except subprocess.TimeoutExpired:
            stop(self.process)
            out = ""
        return [json.loads(line) for line in out.splitlines() if line.startswith("{")]


class WebFolder:
    """Python's own file server on 127.0.0.1, serving one folder, in a process of its own."""

    def __init__(self, root_dir):
        self.port = free_port()
        self.process = subprocess.Popen([sys.executable, "-m", "http.server", "--bind", "127.0.0.1", "--directory",
                                         root_dir, str(self.port)], start_new_session=True,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not wait_for(lambda: port_open(self.port), 20):
            raise RuntimeError("the file server did not start")

    def url(self, path):
        return f"http://127.0.0.1:{self.port}/{path}"

    def stop(self):
        stop(self.process)
