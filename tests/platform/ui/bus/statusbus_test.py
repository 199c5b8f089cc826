#!/usr/bin/env python3
"""Over a real accessibility bus: the framework's main window is a frame named by its caption, its status
bar a status bar, and a listener hears every status message as an event with its text, a repeated one too.

Run inside a display and a session bus of its own (xvfb-run, dbus-run-session); starts the accessibility
bus itself and stops everything it started."""
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

LAUNCHERS = ["/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"]
MESSAGES = ["Already at the begining.", "Already at the begining.", "Undo or save the current record first.",
            "counts  rec. 2 of 9"]


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def find(accessible, role, depth=0):
    if accessible is None or depth > 12:
        return None
    if accessible.get_role_name() == role:
        return accessible
    for i in range(accessible.get_child_count()):
        found = find(accessible.get_child_at_index(i), role, depth + 1)
        if found:
            return found
    return None


def application_named(name, timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name:
                return app
        pump(0.2)
    return None


def main():
    program = sys.argv[1]
    launcher_path = next((p for p in LAUNCHERS if os.path.exists(p)), None)
    if launcher_path is None:
        print("no at-spi-bus-launcher")
        return 1
    launcher = subprocess.Popen([launcher_path, "--launch-immediately"])
    window = None
    try:
        pump(1.0)
        heard = []

        def on_name(event):
            heard.append((event.source.get_role_name(), event.source.get_name()))

        listener = Atspi.EventListener.new(on_name)
        listener.register("object:property-change:accessible-name")

        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        window = subprocess.Popen([program], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, env=env)
        assert window.stdout.readline().strip() == "ready"
        app = application_named("OruFLX 1.1", 15)
        assert app is not None, "the program is not on the bus"
        frame = find(app, "frame")
        assert frame is not None and frame.get_name() == "OruFLX 1.1", "no frame named by the caption"
        bar = find(frame, "status bar")
        assert bar is not None, "no status bar"

        pump(0.5)
        heard.clear()
        for message in MESSAGES:
            window.stdin.write(message + "\n")
            window.stdin.flush()
            assert window.stdout.readline().strip() == "shown"
            pump(0.3)
        pump(1.0)
        texts = [text for _, text in heard]
        expected = [m[len("counts "):] if m.startswith("counts ") else m for m in MESSAGES]
        assert texts == expected, f"heard {heard}"
        print("heard", heard)
        return 0
    finally:
        if window is not None:
            try:
                window.stdin.write("\n")
                window.stdin.flush()
                window.wait(timeout=5)
            except Exception:
                window.kill()
                window.wait()
        launcher.terminate()
        try:
            launcher.wait(timeout=5)
        except subprocess.TimeoutExpired:
            launcher.kill()
            launcher.wait()


if __name__ == "__main__":
    sys.exit(main())
