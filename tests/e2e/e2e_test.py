#!/usr/bin/python3
"""End to end: the real program on a real display, started with exact words, driven and seen only
from outside, one table of runs.

Usage: e2e_test.py NORVIL [unittest arguments]
NORVIL_E2E_SESSION: x11 (the default: Xvfb with openbox), wayland (weston's headless compositor)
or wine (NORVIL is then the Windows zip: its norvil.exe, unpacked alone, runs under wine on Xvfb,
started by NORVIL_E2E_LAUNCHER with an exact raw command line).
Without the needed tools the suite is skipped, except under CI (CI=true), where it fails.
"""
import collections
import os
import select
import shutil
import socket
import string
import subprocess
import sys
import tempfile
import unittest
import urllib.parse
import uuid
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "desktop"))
import desktop  # noqa: E402

SESSION = os.environ.get("NORVIL_E2E_SESSION", "x11")
TLS = os.path.join(ROOT, "tests", "transfer", "tls")
NORVIL = None
DESKTOP = None
WEB = {}  # "http", "https" (a certificate from the test authority), "self-signed", "stalls"
WWW = None
STALLS = socket.create_server(("127.0.0.1", 0))  # connections wait in its queue, never answered
# DLLs of Windows' own that are no KnownDLLs, which Windows would look for beside a program first:
# a stand-in of each lies beside norvil.exe, and wine is told to prefer them as Windows would. Not
# version, uxtheme, crypt32 and what they import: wine's own user32 imports version.dll, and wine
# looks for the delayed imports of its own DLLs (comctl32's uxtheme, WinHTTP's crypt32) beside the
# program whatever search the program has set; Windows does neither.
PLANTED = ("winhttp", "comctl32", "oleacc", "dwmapi", "jsproxy", "shcore", "propsys", "windowscodecs")

# The pages: headline, detail, and the button that the run presses.
Page = collections.namedtuple("Page", "headline detail button opens")
UPDATE = Page("最新バージョン「Ver 2.0.0」が公開されています。", "ダウンロードページを表示しますか？", "ダウンロードページを表示(O)", True)
LATEST = Page("最新バージョンはありません。", "現在使っているバージョンが最新です。", "閉じる(C)", False)
FAILURE = Page("バージョン情報の取得に失敗しました。", "バージョン情報が見つかりませんでした。", "閉じる(C)", False)
CLOSED = Page(None, None, "alt+F4", False)  # the progress page, closed while the request waits

FILES = {
    "newer.txt": "<E2EApp:2.0.0>\n",
    "latest.txt": "<E2EApp:1.0.0>\n",
    "nameless.txt": "<SomeoneElse:9.9>\n",
    "words.txt": '<"アプリ":2.0.0>\n',
    "download.html": "<html><body>download</body></html>\n",
}

# The words exactly as the calling application writes them ({url1}, {url2} filled in), the
# server and file for Url1, the page that shows (None when the program must end unseen), under
# wine the language of Windows and the title in it, and the User-Agent that the server must see,
# where the row is about it.
Row = collections.namedtuple("Row", "name words server file page sessions windows agent",
                             defaults=(("x11", "wayland", "wine"), "ja_JP", None))
TITLE = {"ja_JP": "{} 最新バージョンの確認", "de_DE": "{} – Nach Updates suchen"}
ROWS = [
    Row("silent, newer: the update page, its button opens Url2", "E2EApp 1.0.0 {url1} {url2} /h", "http", "newer.txt", UPDATE),
    Row("latest", "E2EApp 1.0.0 {url1} {url2}", "http", "latest.txt", LATEST),
    Row("name missing", "E2EApp 1.0.0 {url1} {url2}", "http", "nameless.txt", FAILURE),
    # Quotes and Japanese stay in the name; two blanks leave Ver empty (a version 0); Qt applies
    # none of its own options (-platform offscreen would leave no window to see).
    Row("words as given", '"アプリ"  {url1} {url2} /h -platform offscreen -display :99 -style windows -reverse',
        "http", "words.txt", UPDATE, agent="%22%E3%82%A2%E3%83%97%E3%83%AA%22/ Norvil/1.0"),
    Row("silent, latest", "E2EApp 1.0.0 {url1} {url2} /h", "http", "latest.txt", None),
    Row("silent, connection refused", "E2EApp 1.0.0 {url1} {url2} /h", "refused", "none.txt", None),
    Row("no words", "", "http", None, None),
    # Windows' own certificate store decides; under wine the private prefix's store has been
    # given the test authority.
    Row("silent, https from a trusted authority", "E2EApp 1.0.0 {url1} {url2} /h", "https", "newer.txt", UPDATE, ("wine",)),
    Row("silent, https self-signed", "E2EApp 1.0.0 {url1} {url2} /h", "self-signed", "newer.txt", None, ("wine",)),
    # The window goes while the transfer waits inside WinHTTP: the program ends with it, at once.
    Row("closed while the request stalls", "E2EApp 1.0.0 {url1} {url2}", "stalls", "newer.txt", CLOSED, ("wine",)),
    # Windows' display language decides where no LANGUAGE is set.
    Row("latest, on a German Windows", "E2EApp 1.0.0 {url1} {url2}", "http", "latest.txt", LATEST, ("wine",), "de_DE"),
    # With /d the window stays after its button has opened Url2; Escape, which only the update page
    # answers, ends it.
    Row("debug, newer: Escape on the update page", "E2EApp 1.0.0 {url1} {url2} /d", "http", "newer.txt", UPDATE._replace(opens=False),
        ("wine",)),
]


def setUpModule():
    global DESKTOP, WWW
    missing = desktop.missing_tools(SESSION)
    if SESSION == "wine":
        missing += [v for v in ("NORVIL_E2E_LAUNCHER", "NORVIL_E2E_PLANTED") if not os.path.exists(os.environ.get(v, ""))]
    if missing:
        message = "end-to-end tools missing: " + ", ".join(missing) + " (scripts/setup installs them)"
        if os.environ.get("CI") == "true":
            raise RuntimeError(message)
        raise unittest.SkipTest(message)
    WWW = tempfile.mkdtemp(prefix="norvil-www-")
    unittest.addModuleCleanup(shutil.rmtree, WWW, ignore_errors=True)
    os.chmod(WWW, 0o755)
    # In the system's code page: UTF-8 for Linux's C.UTF-8; Shift_JIS on the wine session's Japanese Windows.
    encoding = "cp932" if SESSION == "wine" else "utf-8"
    for name, text in FILES.items():
        with open(os.path.join(WWW, name), "w", encoding=encoding) as f:
            f.write(text)
    DESKTOP = desktop.Desktop(session=SESSION).start()
    unittest.addModuleCleanup(DESKTOP.stop)
    serve("http")
    if SESSION == "wine":
        unpack_windows_folder()
        DESKTOP.trust_in_wine(os.path.join(TLS, "ca.pem"))
        # By the name its certificate gives besides its address: wine's WinHTTP does not match
        # a certificate's IP address entries.
        serve("https", "server", "localhost")
        serve("self-signed", "selfsigned")


def serve(name, certificate=None, host="127.0.0.1"):
    """The test folder over http, or over https with one of the test certificates."""
    tls = (os.path.join(TLS, certificate + ".pem"), os.path.join(TLS, certificate + ".key")) if certificate else ()
    WEB[name] = desktop.WebFolder(WWW, tls, host)
    unittest.addModuleCleanup(WEB[name].stop)


def unpack_windows_folder():
    """The zip as an application author receives it, unpacked alone: nothing else is in reach."""
    global NORVIL
    folder = WWW + "-windows"
    unittest.addModuleCleanup(shutil.rmtree, folder, ignore_errors=True)
    with zipfile.ZipFile(NORVIL) as z:
        z.extractall(folder)
        NORVIL = os.path.join(folder, [n for n in z.namelist() if n.endswith("/norvil.exe")][0])
    for name in PLANTED:
        shutil.copy(os.environ["NORVIL_E2E_PLANTED"], os.path.join(os.path.dirname(NORVIL), name + ".dll"))
    DESKTOP.app_env["WINEDLLOVERRIDES"] += ";" + ",".join(PLANTED) + "=n,b"


class Run:
    """One norvil process, started with exactly these words. Its addresses carry a marker, so
    that any process it leaves can be found."""

    def __init__(self, row):
        self.marker = "m" + uuid.uuid4().hex[:12]
        port = STALLS.getsockname()[1] if row.server == "stalls" else desktop.free_port()
        url1 = (WEB[row.server].url(row.file) if row.server in WEB else f"http://127.0.0.1:{port}/{row.file}") + "?" + self.marker
        # Japanese letters, and one that no Japanese code page has: Windows' wide call keeps both.
        self.url2 = WEB["http"].url("download.html") + f"?from={self.marker}&lang=日本語&q=café#top"
        self.words = row.words.format(url1=url1, url2=self.url2)
        self.stderr = tempfile.TemporaryFile()
        if SESSION == "wine":
            line = '"Z:' + NORVIL.replace("/", "\\") + '"' + (" " + self.words if self.words else "")
            self.marks = tempfile.mkdtemp(dir=os.path.dirname(NORVIL))
            argv, env = ["wine", os.environ["NORVIL_E2E_LAUNCHER"]], dict(
                DESKTOP.app_env, NORVIL_COMMAND_LINE=line, NORVIL_PLANTED_MARKS="Z:" + self.marks.replace("/", "\\"),
                LANG=row.windows + ".UTF-8")
        else:  # argv as the shell gives it: the program joins its words again with single blanks
            argv, env = [NORVIL, *(self.words.split(" ") if self.words else [])], DESKTOP.app_env
        self.process = subprocess.Popen(argv, env=env, start_new_session=True, stdout=subprocess.DEVNULL,
                                        stderr=self.stderr)

    def ended(self, timeout=30):
        try:
            self.process.wait(timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    def leftovers(self):
        out = subprocess.run(["pgrep", "-f", self.marker], capture_output=True, text=True).stdout.split()
        return [pid for pid in out if int(pid) != os.getpid()]

    def stop(self):
        desktop.stop(self.process)
        self.stderr.close()
        if SESSION == "wine":
            subprocess.run(["wineserver", "-k"], env=DESKTOP.app_env, capture_output=True, timeout=60)

    def diagnostics(self):
        self.stderr.seek(0)
        return f"exit code {self.process.poll()}, stderr: {self.stderr.read()[-1500:].decode(errors='replace')}"


def labels(tree):
    return [n["name"] for n in tree if n["role"] == "label" and n["showing"]]


class EndToEnd(unittest.TestCase):
    def test_table(self):
        for row in ROWS:
            if SESSION in row.sessions:
                with self.subTest(row.name):
                    DESKTOP.clear_browser_urls()
                    run = Run(row)
                    try:
                        self.check(row, run)
                    finally:
                        run.stop()
                        if SESSION == "wine":
                            self.assertEqual(os.listdir(run.marks), [], "DLLs beside norvil.exe were loaded")

    def check(self, row, run):
        if row.page is None:
            watch = DESKTOP.watch_maps() if SESSION != "wayland" else None
            self.assertTrue(run.ended(), "the program did not end by itself")
            if watch:
                self.assertEqual(watch.maps(), [], "a window was shown")
        else:
            name = row.words.split(" ")[0]
            window = DESKTOP.wait_window(TITLE[row.windows].format(name), run.process.pid)
            self.assertTrue(window, "no window with the title: " + run.diagnostics())
            if row.page is CLOSED:
                self.assertTrue(select.select([STALLS], [], [], 10)[0], "the request did not come")
                self.assertTrue(DESKTOP.press_key(window, row.page.button) and run.ended(5), "the program outlived its window")
            elif SESSION == "wine":
                self.press_default_button_under_wine(run, window, "Escape" if "/d" in row.words else "Return")
            else:
                tree = desktop.wait_for(lambda: (lambda t: t if row.page.headline in labels(t) else None)(
                    DESKTOP.accessibility_tree(run.process.pid)), 20, 0.2)
                self.assertTrue(tree, "the page did not show: " + run.diagnostics())
                self.assertIn(row.page.detail, labels(tree))
                self.assertTrue(DESKTOP.press(run.process.pid, row.page.button), "no button " + row.page.button)
            self.assertTrue(run.ended(), "the program did not end")
            opened = desktop.wait_for(DESKTOP.browser_urls, 10) if row.page.opens else DESKTOP.browser_urls()
            self.assertEqual(opened, [self.as_opened(run.url2)] if row.page.opens else [])
        self.assertEqual(run.process.returncode, 0, run.diagnostics())
        if row.agent:
            self.assertEqual(WEB[row.server].user_agents(run.marker), [row.agent])
        if row.words:
            self.assertTrue(desktop.wait_for(lambda: not run.leftovers(), 10), "processes left behind")

    @staticmethod
    def as_opened(url):
        """Url2 as the browser must receive it: exactly as given from the Windows shell; from
        Qt's opener on Linux with the letters outside ASCII in UTF-8, percent-encoded."""
        return url if SESSION == "wine" else urllib.parse.quote(url, safe=string.printable)

    def press_default_button_under_wine(self, run, window, key):
        """Windows draws the page's texts where no reader here can see them (wine offers no
        accessibility bus), so the run presses Enter as a user does, until the result page's
        default button ends the program: the progress page ignores Enter, and a silent run shows
        its window only on the update page. Which page shows is the business of the in-process
        window table, which runs under wine too."""
        desktop.wait_for(lambda: DESKTOP.press_key(window, key) and run.ended(0.5), 20, 0)

if __name__ == "__main__":
    NORVIL = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
