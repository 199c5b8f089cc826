# Prints the applications menu as the desktop's menu library (python3-xdg) builds it from the XDG directories
# of the environment: one line per submenu ("menu<TAB>name<TAB>icon") followed by one line per entry
# ("entry<TAB>name<TAB>icon<TAB>exec").
import sys

import xdg.Menu


def show(menu):
    for entry in menu.getEntries():
        if isinstance(entry, xdg.Menu.Menu):
            print("menu\t%s\t%s" % (entry.getName(), entry.getIcon()))
            show(entry)
        elif isinstance(entry, xdg.Menu.MenuEntry):
            desktop = entry.DesktopEntry
            print("entry\t%s\t%s\t%s" % (desktop.getName(), desktop.getIcon(), desktop.getExec()))


show(xdg.Menu.parse(sys.argv[1]))
