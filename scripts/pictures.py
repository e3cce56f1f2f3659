#!/usr/bin/python3
"""Renders the update, latest and failure pages and the debug window to docs/*.png.

The real binary runs under Xvfb with openbox and the Japanese fonts, against update files
served on 127.0.0.1. Usage: pictures.py PATH_TO_NORVIL
"""
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
import desktop  # noqa: E402

PICTURES = [
    # file name, update file, installed version, switches, the page's headline
    ("update.png", "<MyApp:2.1.0>", "2.0.3", [], "最新バージョン「Ver 2.1.0」が公開されています。"),
    ("latest.png", "<MyApp:2.1.0>", "2.1.0", [], "最新バージョンはありません。"),
    ("failure.png", "<SomethingElse:1.0>", "2.0.3", [], "バージョン情報の取得に失敗しました。"),
    ("debug.png", "<MyApp:2.1.0>", "2.0.3", ["/d"], "最新バージョン「Ver 2.1.0」が公開されています。"),
]


def main():
    norvil = os.path.abspath(sys.argv[1])
    out_dir = os.path.join(ROOT, "docs")
    os.makedirs(out_dir, exist_ok=True)
    www = tempfile.mkdtemp(prefix="norvil-pictures-")
    os.chmod(www, 0o755)
    screen = desktop.Desktop(800, 600)
    web = None
    try:
        screen.start()
        web = desktop.WebFolder(www)
        for name, text, version, switches, headline in PICTURES:
            path = os.path.join(www, name + ".txt")
            with open(path, "w") as f:
                f.write(text + "\n")
            os.chmod(path, 0o644)
            args = ["MyApp", version, web.url(name + ".txt"), "https://example.com/download", *switches]
            process = subprocess.Popen([norvil, *args], env=screen.app_env, start_new_session=True)
            try:
                window = screen.wait_window(process.pid)
                shown = desktop.wait_for(
                    lambda: any(n["name"] == headline for n in screen.accessibility_tree(process.pid)), 20, 0.2)
                if window is None or not shown:
                    raise RuntimeError(f"{name}: the page did not appear")
                screen.screenshot(os.path.join(out_dir, name), window)
                print("wrote docs/" + name)
            finally:
                desktop.stop(process)
    finally:
        if web:
            web.stop()
        screen.stop()
        subprocess.run(["rm", "-rf", www])


if __name__ == "__main__":
    main()
