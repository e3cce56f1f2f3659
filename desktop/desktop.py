"""A private desktop for running the real norvil from outside: the end-to-end suite, the demo,
the README's pictures and the benchmarks use it.

Sessions: "x11" (Xvfb with openbox as the window manager), "wayland" (weston's headless
compositor, Qt's Wayland platform) and "wine" (norvil.exe under wine on Xvfb with openbox, in
the wine prefix WINEPREFIX names). Each has a private D-Bus session with the accessibility bus,
and xdg-open pointed at a recorder instead of a browser. Every process started here is stopped
by its PID; every wait has a bound.
"""
import glob
import hashlib
import json
import os
import shutil
import signal
import socket
import ssl
import struct
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SYSTEM_PYTHON = "/usr/bin/python3"  # pyatspi only works with Debian's own python
# Qt's Wayland platform plugin, wherever the architecture puts it.
QT_WAYLAND = next(iter(glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so")), "qt6-wayland (libqwayland-generic.so)")

TOOLS = {
    "x11": ["Xvfb", "openbox", "xdotool", "xev", "xprop", "import"],
    "wayland": ["weston", QT_WAYLAND],
    "wine": ["Xvfb", "openbox", "xdotool", "xev", "xprop", "wine", "wineserver"],
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
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(interval)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


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
        self.dir = tempfile.mkdtemp(prefix="norvil-desktop-")
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
        # The program: no desktop environment and no desktop files, so xdg-open falls back to
        # $BROWSER, the recorder.
        self.app_env = dict(self.env, XDG_DATA_DIRS=empty, XDG_DATA_HOME=empty, XDG_CONFIG_HOME=empty,
                            XDG_CONFIG_DIRS=empty, BROWSER=recorder, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                            no_proxy="127.0.0.1,localhost")
        passed_on = ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS", "LANGUAGE", "LC_ALL", "LC_MESSAGES")
        if self.session == "wine":
            # A Japanese Windows (code page 932): wine takes it from the Linux locale, which is
            # made here, privately, so that wine's hand-over of URLs to xdg-open keeps every letter.
            # A German one too, for a run that sets LANG=de_DE.UTF-8.
            locales = os.path.join(self.dir, "locales")
            os.makedirs(locales)
            for locale in ("ja_JP", "de_DE"):
                subprocess.run(["localedef", "-i", locale, "-f", "UTF-8", os.path.join(locales, locale + ".UTF-8")],
                               check=True, capture_output=True, timeout=60)
            passed_on += ("WINEPREFIX",)
            self.app_env.update(WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=", LOCPATH=locales,
                                LANG="ja_JP.UTF-8")
        for name in passed_on:
            if name in os.environ:
                self.app_env[name] = os.environ[name]

        out = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"],
                             env=self.env, capture_output=True, text=True, timeout=30, check=True).stdout.split()
        self.env["DBUS_SESSION_BUS_ADDRESS"], self.dbus_pid = out[0], int(out[1])
        self.app_env["DBUS_SESSION_BUS_ADDRESS"] = out[0]
        # Qt does not start the accessibility bus itself: it must be announced before the program starts.
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        if self.session != "wayland":
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
                               or "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]).stdout, 20)
            if managed and openbox.poll() is None:
                return
        with open(openbox_log) as log:
            raise RuntimeError("openbox did not start: " + log.read())

    def stop(self):
        if self.session == "wine":  # wine's own server and services outlive the programs by a few seconds
            subprocess.run(["wineserver", "-k"], env=self.app_env, capture_output=True, timeout=60)
            subprocess.run(["wineserver", "-w"], env=self.app_env, capture_output=True, timeout=60)
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

    def run(self, argv, timeout=20):
        return subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=timeout)

    # ----- wine -----------------------------------------------------------------------------
    def trust_in_wine(self, ca_pem):
        """Adds a certificate authority to the wine prefix's root store, as an administrator adds
        one to Windows' (wine reads its stores from the registry)."""
        with open(ca_pem) as f:
            der = ssl.PEM_cert_to_DER_cert(f.read())
        blob = struct.pack("<III", 32, 1, len(der)) + der  # one property: the certificate itself
        key = "HKLM\\Software\\Microsoft\\SystemCertificates\\Root\\Certificates\\" + hashlib.sha1(der).hexdigest().upper()
        subprocess.run(["wine", "reg", "add", key, "/v", "Blob", "/t", "REG_BINARY", "/d", blob.hex(), "/f"],
                       env=self.app_env, capture_output=True, check=True, timeout=120)

    # ----- windows --------------------------------------------------------------------------
    def wait_window(self, title, pid=None, timeout=20):
        """The shown window with exactly this title: its X id, or on Wayland (where a client's
        windows cannot be seen from outside) the dialog as the accessibility tree shows it."""
        if self.session == "wayland":
            return wait_for(lambda: next((n for n in self.accessibility_tree(pid) if n["role"] == "dialog"
                                          and n["showing"] and n["name"] == title), None), timeout, 0.2)
        def search():
            shown = self.run(["xdotool", "search", "--onlyvisible", "--name", "."]).stdout.split()
            return next((int(w) for w in shown if self.window_title(int(w)) == title), None)
        return wait_for(search, timeout, 0.1)

    def window_title(self, window):
        """The title the window gives the window manager (_NET_WM_NAME), or None."""
        _, _, value = self.run(["xprop", "-id", str(window), "-notype", "_NET_WM_NAME"]).stdout.strip().partition(" = ")
        return json.loads(value) if value.startswith('"') else None

    def press_key(self, window, key):
        """Gives the window the focus, as a user would by clicking it, and presses the key."""
        self.run(["xdotool", "windowactivate", "--sync", str(window)])
        return self.run(["xdotool", "key", "--clearmodifiers", key]).returncode == 0

    def screenshot(self, path, window=None):
        target = ["-window", "root"] if window is None else ["-frame", "-window", str(window)]
        self.run(["import", *target, path], timeout=60)

    def watch_maps(self):
        """Starts logging every window mapped on the X display; maps() stops it and returns them."""
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

    # ----- accessibility --------------------------------------------------------------------
    def accessibility_tree(self, pid):
        result = subprocess.run([SYSTEM_PYTHON, os.path.join(HERE, "atspi.py"), str(pid)],
                                env=self.env, capture_output=True, text=True, timeout=30)
        if result.returncode != 0:
            return []
        return [json.loads(line) for line in result.stdout.splitlines()]

    def press(self, pid, button):
        """Does the button's action through the accessibility bus, as an assistive tool would."""
        return subprocess.run([SYSTEM_PYTHON, os.path.join(HERE, "atspi.py"), "--press", str(pid), button],
                              env=self.env, capture_output=True, timeout=30).returncode == 0

    # ----- the browser ----------------------------------------------------------------------
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


class WebFolder:
    """A folder served on 127.0.0.1 in a process of its own: HTTP, or HTTPS with tls=(cert, key).
    host: the name its addresses give (it listens on 127.0.0.1 whatever the name)."""

    def __init__(self, root_dir, tls=(), host="127.0.0.1"):
        port_file = os.path.join(tempfile.mkdtemp(prefix="norvil-web-"), "port")
        self.process = subprocess.Popen([sys.executable, os.path.join(HERE, "serve_folder.py"), root_dir, port_file, *tls],
                                        start_new_session=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: os.path.exists(port_file) or self.process.poll() is not None, 20)
        if not os.path.exists(port_file):
            stop(self.process)
            raise RuntimeError("the file server did not start")
        with open(port_file) as f:
            self.port = int(f.read())
        self.access_log = port_file + ".log"
        self.scheme = "https" if tls else "http"
        self.host = host

    def url(self, path):
        return f"{self.scheme}://{self.host}:{self.port}/{path}"

    def user_agents(self, marker):
        """The User-Agent of every request whose path holds marker, in order."""
        if not os.path.exists(self.access_log):
            return []
        with open(self.access_log, encoding="utf-8") as f:
            return [line.rstrip("\n").split("\t", 1)[1] for line in f if marker in line.split("\t", 1)[0]]

    def stop(self):
        stop(self.process)
        shutil.rmtree(os.path.dirname(self.access_log), ignore_errors=True)
