# Prints the applications menu as the desktop's menu library (python3-xdg) builds it from the XDG directories
# of the environment: one line per submenu ("menu<TAB>name<TAB>icon") followed by one line per entry
# ("entry<TAB>name<TAB>icon<TAB>exec<TAB>glib"), where glib says whether GLib's application info, which
# drops an entry whose program cannot be started, keeps it ("kept") or not ("dropped").
import sys

import gi
import xdg.Menu

gi.require_version("Gio", "2.0")
from gi.repository import Gio  # noqa: E402


def show(menu):
    for entry in menu.getEntries():
        if isinstance(entry, xdg.Menu.Menu):
            print("menu\t%s\t%s" % (entry.getName(), entry.getIcon()))
            show(entry)
        elif isinstance(entry, xdg.Menu.MenuEntry):
            desktop = entry.DesktopEntry
            try:
                kept = Gio.DesktopAppInfo.new_from_filename(desktop.filename) is not None
            except TypeError:  # the binding's way of saying the constructor gave nothing
                kept = False
            print("entry\t%s\t%s\t%s\t%s"
                  % (desktop.getName(), desktop.getIcon(), desktop.getExec(), "kept" if kept else "dropped"))


show(xdg.Menu.parse(sys.argv[1]))
