#!/usr/bin/env python3
"""Drives the real program through AT-SPI as a screen reader reads it.

Starts the program in a scratch folder (a settings file names the start
folder), opens a generated SPL file through the start window and the open
dialog, finds the editor's colour table, checks its counts, headers and
cell names against the file's bytes, and moves the current cell with the
arrow keys, following the cell that holds the focus.

    accessibility.py <davovo binary> <xclose binary>
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 90  # seconds for each step; the test machine may be slow and busy
TABLE_OFFSET = 68  # where an SPL file's colour table begins


class Failure(Exception):
    pass


def poll(what, probe, timeout=TIMEOUT):
    """Returns the first true result of probe(); fails after the timeout.
    Events that arrived meanwhile go to their listeners."""
    deadline = time.monotonic() + timeout
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            result = probe()
        except Exception:  # an object that went away while it was read
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure(what)
        time.sleep(0.2)


def children(acc):
    return [acc.getChildAtIndex(i) for i in range(acc.childCount)]


def find(root, predicate):
    """The first object under root that fits, breadth first; tables' cells
    are not searched."""
    queue = [root]
    while queue:
        acc = queue.pop(0)
        if acc is None:
            continue
        if predicate(acc):
            return acc
        if acc.getRole() != pyatspi.ROLE_TABLE:
            queue.extend(children(acc))
    return None


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def named(role, name):
    return lambda acc: acc.getRole() == role and acc.name == name


def click(acc):
    """Clicks the middle of an object where AT-SPI says it is on the screen."""
    x, y, width, height = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if width <= 0 or height <= 0:
        raise Failure(f"{acc.name!r} has no place on the screen")
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"], check=True)


def is_focused(cell):
    cell.clear_cache()
    return cell.getState().contains(pyatspi.STATE_FOCUSED)


def focused_cell(table, rows, cols):
    """The one cell whose state says it has the focus, as (row, column)."""
    found = [(r, c) for r in range(rows) for c in range(cols) if is_focused(table.getAccessibleAt(r, c))]
    return found[0] if len(found) == 1 else None


class FocusLog:
    """The cells of the focus events, as (name, index in the table)."""

    def __init__(self):
        self.cells = []
        pyatspi.Registry.registerEventListener(self.heard, "object:state-changed:focused")

    def heard(self, event):
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_TABLE_CELL:
            self.cells.append((event.source.name, event.source.getIndexInParent()))


def run(binary, xclose, work):
    program = os.path.join(work, "davovo")
    shutil.copy(binary, program)
    files = os.path.join(work, "files")
    os.mkdir(files)
    spl = os.path.join(files, "terrain.spl")
    data = bytes((n * 7 + 3) % 256 for n in range(1200))
    with open(spl, "wb") as f:
        f.write(data)
    with open(os.path.join(work, "rozirazuz.INI"), "w") as f:
        f.write(f"[settings]\nstartdir={files}\n")

    process = subprocess.Popen([program], cwd=work)
    try:
        app = poll("the program did not appear on the accessibility bus", lambda: application(process.pid))
        start = poll("no 'Click to Open File Editor' button",
                     lambda: find(app, named(pyatspi.ROLE_PUSH_BUTTON, "Click to Open File Editor")))
        click(start)
        open_item = poll("no 'Open' menu item", lambda: find(app, named(pyatspi.ROLE_MENU_ITEM, "Open")))
        click(open_item)
        poll("the open dialog did not appear",
             lambda: find(app, named(pyatspi.ROLE_DIALOG, "Open SPL or PAL file")))
        subprocess.run(["xdotool", "sleep", "0.5", "type", "--delay", "20", spl], check=True)
        subprocess.run(["xdotool", "key", "Return"], check=True)

        table_acc = poll("no table named 'Color table'",
                         lambda: find(app, named(pyatspi.ROLE_TABLE, "Color table")))
        table = table_acc.queryTable()
        poll("the table did not show the file",
             lambda: table.getAccessibleAt(1, 1).name == str(data[TABLE_OFFSET]))
        if (table.nRows, table.nColumns) != (6, 247):
            raise Failure(f"the table is {table.nRows} x {table.nColumns}, not 6 x 247")
        headers = [(table.getAccessibleAt(r, c).getRole(), table.getAccessibleAt(r, c).name)
                   for r, c in ((0, 18), (1, 0))]
        if headers != [(pyatspi.ROLE_TABLE_COLUMN_HEADER, "17"), (pyatspi.ROLE_TABLE_ROW_HEADER, "Red")]:
            raise Failure(f"the headers of entry 17 and Red read {headers}")
        entry = 17
        rgbf = data[TABLE_OFFSET + 4 * entry:TABLE_OFFSET + 4 * entry + 4]
        names = [table.getAccessibleAt(row, entry + 1).name for row in range(1, 6)]
        expected = [str(b) for b in rgbf] + ["#%02x%02x%02x" % tuple(rgbf[:3])]
        if names != expected:
            raise Failure(f"entry {entry} reads {names}, not {expected}")
        cell = table.getAccessibleAt(2, entry + 1)
        if cell.getRole() != pyatspi.ROLE_TABLE_CELL or cell.parent.name != "Color table":
            raise Failure("a value cell is not a cell of the table")

        # The grid has the focus after Open; the arrow keys move it, and
        # each move is announced as the focus of the new cell.
        poll("the first value cell does not have the focus", lambda: focused_cell(table, 6, 4) == (1, 1))
        log = FocusLog()
        for key, (row, col) in (("Right", (1, 2)), ("Down", (2, 2)), ("Right", (2, 3))):
            subprocess.run(["xdotool", "key", key], check=True)
            poll(f"after {key} the focus is not on the cell {(row, col)}",
                 lambda: focused_cell(table, 6, 5) == (row, col))
            cell = (table.getAccessibleAt(row, col).name, row * 247 + col)
            poll(f"after {key} no focus event for the cell {(row, col)}", lambda: cell in log.cells)
        print("PASS: the table 'Color table' reads 6 x 247 with its headers, entry 17 reads",
              " ".join(names), "and the focus follows Right, Down, Right:", log.cells)
    finally:
        window = subprocess.run(["xdotool", "search", "--name", "^Editing "], capture_output=True, text=True)
        for wid in window.stdout.split()[:1]:
            subprocess.run([xclose, wid])
        try:
            process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def main():
    work = tempfile.mkdtemp()
    try:
        run(sys.argv[1], sys.argv[2], work)
    except Failure as failure:
        print(f"FAIL: {failure}")
        return 1
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
