#!/usr/bin/python3
"""Renders the update, latest and failure pages, the debug window and the English and Arabic
update pages to docs/*.png.

The real binary runs under Xvfb with openbox and the Japanese fonts, against update files
served on 127.0.0.1. Usage: pictures.py PATH_TO_NORVIL

--demo: the bundled example instead (examples/), in debug mode, saved to build/demo.png;
scripts/demo uses it when there is no display.
Usage: pictures.py --demo PATH_TO_NORVIL
"""
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "desktop"))
import desktop  # noqa: E402

JAPANESE = ("MyApp 最新バージョンの確認", {"LANG": "C.UTF-8"})
ENGLISH = ("MyApp – Check for updates", {"LANG": "en_US.UTF-8"})
# Right to left, the filled-in name and version isolated (U+2068 ... U+2069).
ARABIC = ("\u2068MyApp\u2069 – التحقق من وجود تحديثات", {"LANGUAGE": "ar"})
PICTURES = [
    # file name, update file, installed version, switches, the page's headline, (title, environment)
    ("update.png", "<MyApp:2.1.0>", "2.0.3", [], "最新バージョン「Ver 2.1.0」が公開されています。", JAPANESE),
    ("latest.png", "<MyApp:2.1.0>", "2.1.0", [], "最新バージョンはありません。", JAPANESE),
    ("failure.png", "<SomethingElse:1.0>", "2.0.3", [], "バージョン情報の取得に失敗しました。", JAPANESE),
    ("debug.png", "<MyApp:2.1.0>", "2.0.3", ["/d"], "最新バージョン「Ver 2.1.0」が公開されています。", JAPANESE),
    ("update-en.png", "<MyApp:2.1.0>", "2.0.3", [], "The latest version, Ver 2.1.0, has been released.", ENGLISH),
    ("update-ar.png", "<MyApp:2.1.0>", "2.0.3", [], "تم نشر أحدث إصدار «\u2068Ver 2.1.0\u2069».", ARABIC),
]


def picture(screen, norvil, args, headline, path, title, env):
    """Runs norvil with args on the screen and saves its window once the page with headline shows."""
    process = subprocess.Popen([norvil, *args], env=dict(screen.app_env, **env), start_new_session=True)
    try:
        window = screen.wait_window(title, process.pid)
        shown = desktop.wait_for(
            lambda: any(n["name"] == headline for n in screen.accessibility_tree(process.pid)), 20, 0.2)
        if window is None or not shown:
            raise RuntimeError(f"{os.path.basename(path)}: the page did not appear")
        screen.screenshot(path, window)
    finally:
        desktop.stop(process)


def demo(norvil, screen):
    """The bundled example, as scripts/demo runs it without a display: the debug window on the update page."""
    web = desktop.WebFolder(os.path.join(ROOT, "examples"))
    try:
        args = ["ExampleApp", "1.0.0", web.url("update.txt"), web.url("download.html"), "/d"]
        picture(screen, norvil, args, "最新バージョン「Ver 1.2.0」が公開されています。", os.path.join(ROOT, "build", "demo.png"),
                "ExampleApp 最新バージョンの確認", JAPANESE[1])
        print("wrote build/demo.png")
    finally:
        web.stop()


def pictures(norvil, screen):
    out_dir = os.path.join(ROOT, "docs")
    os.makedirs(out_dir, exist_ok=True)
    www = tempfile.mkdtemp(prefix="norvil-pictures-")
    os.chmod(www, 0o755)
    web = desktop.WebFolder(www)
    try:
        for name, text, version, switches, headline, (title, env) in PICTURES:
            path = os.path.join(www, name + ".txt")
            with open(path, "w") as f:
                f.write(text + "\n")
            os.chmod(path, 0o644)
            args = ["MyApp", version, web.url(name + ".txt"), "https://example.com/download", *switches]
            picture(screen, norvil, args, headline, os.path.join(out_dir, name), title, env)
            print("wrote docs/" + name)
    finally:
        web.stop()
        shutil.rmtree(www, ignore_errors=True)


def main():
    run = demo if sys.argv[1] == "--demo" else pictures
    screen = desktop.Desktop(1024, 768) if run is demo else desktop.Desktop(800, 600)
    try:
        screen.start()
        run(os.path.abspath(sys.argv[-1]), screen)
    finally:
        screen.stop()


if __name__ == "__main__":
    main()
