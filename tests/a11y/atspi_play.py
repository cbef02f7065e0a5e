#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The fixed-seed game read and played over AT-SPI alone, as a screen reader reaches it.

    atspi_play.py play  --game G --planner P --seed S --names N [--announcements]
    atspi_play.py table --game G --planner P --seed S --names N

With --announcements and a --qt-version older than 6.8 it says so and exits with 77 (skipped).

`play` reads the board as a 10 x 10 table, chooses かんたん from the menu, gets the frog
stuck and answers Yes in the continue dialog, then plays the stage to its stage-clear window
and closes that, tries the other menu commands and quits; every action is an AT-SPI action.
With --announcements it also checks the spoken news that the game sends (Qt 6.8 and newer).
`table` reads the table and lays out a stage (for a display server without input, Wayland).

Runs inside a D-Bus session (dbus-run-session) on a display server; the game is started
here with Qt's accessibility forced on, as an assistive technology would switch it on.
"""
import argparse
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

# Generous: a machine busy with builds answers slowly, and a condition that holds ends a wait
# at once.
PATIENCE = 30
GAME_TITLE = "ポロンパズル"
BOARD_NAME = "盤面"
SKIPPED = 77  # CTest's SKIP_RETURN_CODE


class Failure(Exception):
    pass


def fail(message):
    raise Failure(message)


def step(message):
    print("*", message, flush=True)


def pump():
    """Lets libatspi deliver the events it has received."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait(condition, what, seconds=PATIENCE):
    """Polls `condition` until it returns something true; fails with `what` at the deadline."""
    deadline = time.monotonic() + max(seconds, PATIENCE)
    while True:
        pump()
        try:
            result = condition()
        except GLib.GError:
            result = None  # an object that went away while it was read
        if result:
            return result
        if time.monotonic() > deadline:
            fail(what() if callable(what) else what)
        time.sleep(0.05)


def children(acc):
    try:
        return [acc.getChildAtIndex(i) for i in range(acc.childCount)]
    except GLib.GError:
        return []


def find(root, predicate, into_tables=False):
    """The first descendant of `root` (depth first) for which `predicate` holds."""
    stack = list(reversed(children(root)))
    while stack:
        acc = stack.pop()
        if acc is None:
            continue
        if predicate(acc):
            return acc
        if into_tables or acc.getRole() != pyatspi.ROLE_TABLE:
            stack.extend(reversed(children(acc)))
    return None


def has(role, name=None):
    def predicate(acc):
        return acc.getRole() == role and (name is None or acc.name == name)

    return predicate


def press(acc, what):
    """Runs the accessible's press action, the one a screen reader offers to activate it."""
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == "press":
            if not action.doAction(i):
                fail(f"{what} refused its press action")
            return
    fail(f"{what} has no press action (it has {[action.getName(i) for i in range(action.nActions)]})")


class Names:
    """The game's cell names, from its own table: name -> (cell, state) and back."""

    def __init__(self, tool):
        self.state_of = {}
        self.name_of = {}
        output = subprocess.run([tool], check=True, capture_output=True, text=True, encoding="utf-8").stdout
        for line in output.splitlines():
            cell, state, name = line.split(" ", 2)
            self.state_of[name] = (int(cell), state)
            self.name_of[(int(cell), state)] = name
        if len(self.state_of) != 600:
            fail(f"the names tool gave {len(self.state_of)} distinct names, not 100 cells x 6 states")


def read_plan(planner, seed):
    output = subprocess.run([planner, str(seed), "easy"], check=True, capture_output=True, text=True).stdout
    plan = {}
    for line in output.splitlines():
        key, _, rest = line.partition(" ")
        plan[key] = rest
    cells = lambda key: [int(c) for c in plan[key].split()]  # noqa: E731
    return {
        "start": int(plan["start"]),
        "pads": cells("pads"),
        "stuck": cells("stuck"),
        "clear": cells("clear"),
        "next_start": int(plan["next_start"]),
        "next_pads": cells("next_pads"),
    }


class Announcements:
    """Every announcement the game sends, in order."""

    def __init__(self):
        self.heard = []
        self._listener = self.hear
        pyatspi.Registry.registerEventListener(self._listener, "object:announcement")

    def hear(self, event):
        message = event.any_data if isinstance(event.any_data, str) else str(event.any_data)
        self.heard.append(message)

    def expect(self, part, since, what):
        """Waits for an announcement, made after the first `since` ones, that contains `part`."""
        wait(lambda: any(part in m for m in self.heard[since:]),
             lambda: f"no announcement of {what} (\"{part}\"); heard since: {self.heard[since:]}")

    def expect_count(self, count, since):
        """Waits for the countdown's announcement of `count`: the number, alone or before its
        message."""
        wait(lambda: any(m == str(count) or m.startswith(f"{count}、") for m in self.heard[since:]),
             lambda: f"no announcement of the count {count}; heard since: {self.heard[since:]}")

    def mark(self):
        return len(self.heard)


class Game:
    def __init__(self, args):
        self.names = Names(args.names)
        self.plan = read_plan(args.planner, args.seed)
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8")
        self.stderr = open(os.path.join(os.environ.get("XDG_RUNTIME_DIR", "/tmp"), "game.stderr"), "w+")
        self.process = subprocess.Popen([args.game], env=env, stdout=subprocess.DEVNULL, stderr=self.stderr)
        self.app = wait(self.find_app, "the game did not appear on the accessibility bus")
        self.frame = wait(lambda: self.window(lambda w: w.getRole() == pyatspi.ROLE_FRAME),
                          "the game's main window is not among its accessible windows")
        self.table = wait(lambda: find(self.frame, has(pyatspi.ROLE_TABLE, BOARD_NAME)),
                          f"no table named \"{BOARD_NAME}\" in the main window")
        self.cells = children(self.table)

    def find_app(self):
        if self.process.poll() is not None:
            fail(f"the game ended with status {self.process.returncode} at start")
        for app in children(pyatspi.Registry.getDesktop(0)):
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def window(self, predicate):
        for window in children(self.app):
            if window is not None and predicate(window):
                return window
        return None

    def caption(self):
        return self.frame.name

    def board(self):
        """What each of the 100 cells shows, read from the cells' names."""
        shown = []
        for i, cell in enumerate(self.cells):
            name = cell.name
            if self.names.state_of.get(name, (None, None))[0] != i:
                fail(f"cell {i} has the name \"{name}\", not one of its own")
            shown.append(self.names.state_of[name][1])
        return shown

    def shows(self, cell, *states):
        return self.board()[cell] in states

    def wait_board(self, expected, what):
        """Waits until every cell of `expected` (cell -> set of states) shows one of its states."""
        last = {}

        def holds():
            board = self.board()
            last["board"] = board
            return all(board[c] in states for c, states in expected.items())

        wait(holds, lambda: f"{what}: the board reads {describe(last.get('board'))}")

    def stage_at_start(self, start, pads):
        """The expectation for a stage at its start: the frog on `start`, the other pads plain
        or marked, every other cell empty."""
        expected = {}
        for c in range(100):
            expected[c] = {"frog"} if c == start else {"pad", "target"} if c in pads else {"empty"}
        return expected

    def menu_item(self, name):
        item = find(self.frame, has(pyatspi.ROLE_MENU_ITEM, name))
        if item is None:
            fail(f"no menu item \"{name}\"")
        return item

    def play(self, cell):
        """Presses a cell once the turn engine has marked it, and waits for the frog there."""
        self.wait_board({cell: {"target"}}, f"cell {cell} is never marked as a pad to jump to")
        press(self.cells[cell], f"cell {cell}")
        self.wait_board({cell: {"frog"}}, f"the frog did not jump to cell {cell}")

    def end(self, what):
        try:
            self.process.wait(timeout=PATIENCE)
        except subprocess.TimeoutExpired:
            fail(f"the game still runs after {what}")
        if self.process.returncode != 0:
            fail(f"the game ended with status {self.process.returncode} after {what}")

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.stderr.seek(0)
        output = self.stderr.read()
        if output:
            print("--- the game's stderr:\n" + output)


def describe(board):
    if not board:
        return "nothing"
    return " ".join(f"{c}:{s}" for c, s in enumerate(board) if s != "empty") or "an empty board"


def check_table(game):
    step("the board is a table of 10 rows and 10 columns, one named cell each")
    table = game.table.queryTable()
    if (table.nRows, table.nColumns) != (10, 10):
        fail(f"the table has {table.nRows} rows and {table.nColumns} columns")
    if len(game.cells) != 100:
        fail(f"the table has {len(game.cells)} children")
    for i, cell in enumerate(game.cells):
        if cell.getRole() != pyatspi.ROLE_TABLE_CELL:
            fail(f"child {i} of the table has the role {cell.getRoleName()}")
    for row, column in [(0, 0), (0, 9), (4, 7), (9, 0), (9, 9)]:
        at = table.getAccessibleAt(row, column)
        if at is None or at.name != game.cells[row * 10 + column].name:
            fail(f"the table's cell at row {row}, column {column} is not child {row * 10 + column}")
        if (table.getRowAtIndex(row * 10 + column), table.getColumnAtIndex(row * 10 + column)) != (row, column):
            fail(f"child {row * 10 + column} does not sit at row {row}, column {column}")
    # A question off the board does not take the game down.
    for row, column in [(12, 3), (-1, 0), (4, 10)]:
        try:
            table.getAccessibleAt(row, column)
        except GLib.GError:
            pass
    if game.process.poll() is not None or table.getAccessibleAt(9, 9) is None:
        fail("the game did not survive a question about a cell off the board")
    if game.board() != ["empty"] * 100:
        fail(f"before the first stage the board reads {describe(game.board())}")
    if game.cells[34].name != game.names.name_of[(34, "empty")]:
        fail("cell 34 is not named by its own place")
    for i in (0, 55, 99):
        press_names = [game.cells[i].queryAction().getName(k).lower()
                       for k in range(game.cells[i].queryAction().nActions)]
        if press_names != ["press"]:
            fail(f"cell {i} offers the actions {press_names}, not one press")


def check_cell_places(game):
    step("each cell's rectangle is its 32 x 32 square on the screen, and the board's hit test finds it")
    extents = [game.cells[i].queryComponent().getExtents(pyatspi.DESKTOP_COORDS) for i in (0, 1, 10, 99)]
    x0, y0 = extents[0].x, extents[0].y
    want = [(x0, y0), (x0 + 32, y0), (x0, y0 + 32), (x0 + 9 * 32, y0 + 9 * 32)]
    got = [(e.x, e.y) for e in extents]
    if got != want or any((e.width, e.height) != (32, 32) for e in extents):
        fail(f"the cells 0, 1, 10 and 99 lie at {[(e.x, e.y, e.width, e.height) for e in extents]}")
    board = game.table.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if (board.x, board.y, board.width, board.height) != (x0, y0, 320, 320):
        fail(f"the board lies at {(board.x, board.y, board.width, board.height)}, its first cell at {(x0, y0)}")
    for cell, (dx, dy) in [(0, (0, 0)), (1, (32, 0)), (11, (33, 40)), (99, (319, 319))]:
        hit = game.table.queryComponent().getAccessibleAtPoint(x0 + dx, y0 + dy, pyatspi.DESKTOP_COORDS)
        if hit is None or hit.name != game.cells[cell].name or hit.getIndexInParent() != cell:
            fail(f"the point ({dx}, {dy}) of the board finds {hit.name if hit else 'nothing'}, not cell {cell}")


def check_menus(game):
    step("the menus carry their captions")
    bar = find(game.frame, has(pyatspi.ROLE_MENU_BAR))
    if bar is None:
        fail("the main window has no menu bar")
    entries = [c.name for c in children(bar)]
    if entries != ["ｹﾞｰﾑ", "ｷﾞﾌﾞｱｯﾌﾟ", "ｵﾌﾟｼｮﾝ"]:
        fail(f"the menu bar's entries are {entries}")
    for name in ["かんたん", "ふつう", "むずかしい", "終了", "ﾊﾞｰｼﾞｮﾝ情報"]:
        game.menu_item(name)


def choose_easy(game, news):
    step("ｹﾞｰﾑ → かんたん, through its press action")
    since = news.mark() if news else 0
    press(game.menu_item("かんたん"), "かんたん")
    wait(lambda: game.caption() == "レベル0", lambda: f"the caption is \"{game.caption()}\", not \"レベル0\"")
    plan = game.plan
    game.wait_board(game.stage_at_start(plan["start"], plan["pads"]), "the planned stage is not on the board")
    if news:
        news.expect("レベル0：蓮の葉12枚", since, "the stage laid and its pads")
        news.expect("跳べる葉：", since, "the pads the frog can jump to")


def stuck_and_continue(game, news):
    plan = game.plan
    step(f"the frog is made stuck by pressing the cells {plan['stuck']}")
    since = news.mark() if news else 0
    for cell in plan["stuck"]:
        game.play(cell)
    if news:
        news.expect("へ跳んだ", since, "a jump")
    alert = wait(lambda: game.window(lambda w: w.getRole() == pyatspi.ROLE_ALERT),
                 "no alert (the continue dialog) appeared for the stuck frog")
    messages = ["手詰まり", "もう あきらめちゃうの？", "おねがい がんばって"]
    if alert.name not in messages:
        fail(f"the continue dialog is named \"{alert.name}\"")
    first = alert.description
    if not first.startswith("Continue？ ") or not first.split(" ")[-1].isdigit():
        fail(f"the continue dialog's description is \"{first}\"")
    labels = [c.name for c in children(alert) if c.getRole() == pyatspi.ROLE_LABEL]
    if "Continue？" not in labels:
        fail(f"the continue dialog's labels read {labels}")
    step(f"the dialog reads \"{alert.name}\", \"{first}\"; its count goes down")
    count = int(first.split(" ")[-1])
    wait(lambda: int(alert.description.split(" ")[-1]) < count,
         lambda: f"the count stays at \"{alert.description}\"")
    if news:
        news.expect("手詰まり", since, "the stuck frog")
        news.expect_count(count - 1, since)
    buttons = {c.name: c for c in children(alert) if c.getRole() == pyatspi.ROLE_PUSH_BUTTON}
    if set(buttons) != {"Yes", "No"}:
        fail(f"the continue dialog's buttons are {sorted(buttons)}")
    step("Yes, through its press action: the stage starts over")
    press(buttons["Yes"], "Yes")
    wait(lambda: game.window(lambda w: w.getRole() == pyatspi.ROLE_ALERT) is None,
         "the continue dialog is still there after Yes")
    game.wait_board(game.stage_at_start(plan["start"], plan["pads"]), "after Yes the stage is not at its start")
    if game.process.poll() is not None:
        fail("the game ended after Yes")


def clear_stage(game, news):
    plan = game.plan
    *jumps, last = plan["clear"]
    step(f"the stage played through by pressing the cells {plan['clear']}")
    since = news.mark() if news else 0
    for cell in jumps:
        game.play(cell)
    game.wait_board({last: {"curtain"}}, f"no curtain over cell {last}")
    if news:
        news.expect("カーテン：", since, "the curtains")
    press(game.cells[last], f"the curtain of cell {last}")
    window = wait(lambda: game.window(lambda w: w.name == "すてーじくりあ"), "no stage-clear window appeared")
    if window.getRole() != pyatspi.ROLE_DIALOG:
        fail(f"the stage-clear window has the role {window.getRoleName()}")
    if news:
        news.expect("すてーじくりあ", since, "the stage clear")
    if game.caption() != "レベル0":
        fail("the next stage was laid out before the stage-clear window closed")
    step("the stage-clear window, closed through its press action")
    since = news.mark() if news else 0
    press(window, "the stage-clear window")
    wait(lambda: game.window(lambda w: w.name == "すてーじくりあ") is None, "the stage-clear window stays open")
    wait(lambda: game.caption() == "レベル1", lambda: f"the caption is \"{game.caption()}\", not \"レベル1\"")
    game.wait_board(game.stage_at_start(plan["next_start"], plan["next_pads"]), "the next stage is not laid out")
    if news:
        news.expect("レベル1：蓮の葉13枚", since, "the next stage")


def count_pads(board):
    return sum(1 for s in board if s != "empty")


def other_commands(game):
    step("ふつう and むずかしい lay out longer stages; ｷﾞﾌﾞｱｯﾌﾟ takes back a jump")
    for name, pads in [("ふつう", 14), ("むずかしい", 17)]:
        press(game.menu_item(name), name)
        wait(lambda: count_pads(game.board()) == pads and game.board().count("frog") == 1,
             lambda: f"after {name} the board reads {describe(game.board())}, not {pads} pads")
    start = game.board().index("frog")
    target = wait(lambda: [c for c, s in enumerate(game.board()) if s == "target"], "no pad to jump to is marked")[0]
    game.play(target)
    press(game.menu_item("ｷﾞﾌﾞｱｯﾌﾟ"), "ｷﾞﾌﾞｱｯﾌﾟ")
    game.wait_board({start: {"frog"}, target: {"pad", "target"}}, "ｷﾞﾌﾞｱｯﾌﾟ did not put the frog back")
    if "sunk" in game.board():
        fail(f"after ｷﾞﾌﾞｱｯﾌﾟ a pad is still sunk: {describe(game.board())}")


def version_dialog(game, args):
    step("ｵﾌﾟｼｮﾝ → ﾊﾞｰｼﾞｮﾝ情報: the dialog's label and OK")
    # Qt answers a menu item's press only when the command has returned, and this one waits
    # for the modal dialog to close: another process presses it, this one goes on.
    presser = subprocess.Popen([sys.executable, __file__, "press-menu", "--pid", str(game.process.pid),
                                "--item", "ﾊﾞｰｼﾞｮﾝ情報"])
    try:
        dialog = wait(lambda: game.window(lambda w: w.name == "ﾊﾞｰｼﾞｮﾝ情報"), "no version dialog appeared")
        label = wait(lambda: find(dialog, has(pyatspi.ROLE_LABEL, "ポロンパズルver2.0")),
                     "the version dialog has no label \"ポロンパズルver2.0\"")
        ok = find(dialog, has(pyatspi.ROLE_PUSH_BUTTON, "OK"))
        if label is None or ok is None:
            fail("the version dialog has no OK button")
        press(ok, "OK")
        wait(lambda: game.window(lambda w: w.name == "ﾊﾞｰｼﾞｮﾝ情報") is None, "the version dialog stays open")
    finally:
        try:
            presser.wait(timeout=PATIENCE)
        except subprocess.TimeoutExpired:
            presser.kill()
            presser.wait()


def quit_game(game):
    step("ｹﾞｰﾑ → 終了 ends the program")
    try:
        press(game.menu_item("終了"), "終了")
    except GLib.GError:
        pass  # the program ended before it could answer
    game.end("終了")


def run_play(args):
    news = Announcements() if args.announcements else None
    game = Game(args)
    try:
        check_table(game)
        check_cell_places(game)
        check_menus(game)
        choose_easy(game, news)
        stuck_and_continue(game, news)
        clear_stage(game, news)
        other_commands(game)
        version_dialog(game, args)
        quit_game(game)
    finally:
        game.stop()


def run_table(args):
    game = Game(args)
    try:
        check_table(game)
        sizes = {(e.width, e.height) for e in
                 (c.queryComponent().getExtents(pyatspi.WINDOW_COORDS) for c in game.cells)}
        if sizes != {(32, 32)}:
            fail(f"the cells' sizes are {sizes}")
        check_menus(game)
        choose_easy(game, None)
        quit_game(game)
    finally:
        game.stop()


def run_press_menu(args):
    """Presses one menu item of the game with process id --pid (see version_dialog)."""
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app is not None and app.get_process_id() == args.pid:
            item = find(app, has(pyatspi.ROLE_MENU_ITEM, args.item))
            if item is None:
                fail(f"no menu item \"{args.item}\"")
            try:
                press(item, args.item)
            except GLib.GError:
                pass  # the answer comes only when the command returns, perhaps too late
            return
    fail("the game is not on the accessibility bus")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("mode", choices=["play", "table", "press-menu"])
    parser.add_argument("--game")
    parser.add_argument("--planner")
    parser.add_argument("--seed")
    parser.add_argument("--names")
    parser.add_argument("--announcements", action="store_true")
    parser.add_argument("--qt-version", help="the Qt the game was built with, e.g. 6.4.2")
    parser.add_argument("--pid", type=int)
    parser.add_argument("--item")
    args = parser.parse_args()
    if args.announcements and tuple(int(p) for p in args.qt_version.split(".")[:2]) < (6, 8):
        print(f"SKIP: the game was built with Qt {args.qt_version}, which sends no announcements "
              "(Qt 6.8 and newer do); the same facts are read from the cells' names and the dialogs")
        return SKIPPED
    # Each call may take long on a loaded machine; libatspi's own limit is under a second.
    Atspi.set_timeout(20000, 30000)
    try:
        {"play": run_play, "table": run_table, "press-menu": run_press_menu}[args.mode](args)
    except Failure as failure:
        print(f"FAIL ({args.mode}): {failure}", flush=True)
        return 1
    if args.mode != "press-menu":
        print("PASS", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
