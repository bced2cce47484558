#!/usr/bin/python3
"""Plays the download mission on a Wayland compositor, keys only.

    play-on-wayland.py GAME MISSION OUT

The by-ear player of play-by-ear.py, with other senses: it reads the game's
console through the accessibility bus instead of hearing a screen reader,
types with wtype instead of xdotool, and finds windows in sway's tree. On
the way it checks that the keyboard stays on the input line when the status
window opens (//logfile), that the error box takes the keyboard and gives it
back, and that F6 brings the keyboard back from the compiler window.
"""
import importlib.util
import json
import os
import re
import subprocess
import sys
import time

_spec = importlib.util.spec_from_file_location(
    "by_ear", os.path.join(os.path.dirname(os.path.abspath(__file__)), "play-by-ear.py"))
by_ear = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(by_ear)


def windows():
    """The windows sway shows: (name, shell, focused)."""
    tree = json.loads(subprocess.run(["swaymsg", "-t", "get_tree"], capture_output=True,
                                     text=True, check=True).stdout)
    found = []

    def walk(node):
        if node.get("pid"):
            found.append((node.get("name") or "", node.get("shell"), node.get("focused")))
        for child in node.get("nodes", []) + node.get("floating_nodes", []):
            walk(child)

    walk(tree)
    return found


def wait_window(name, timeout=15):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if any(re.search(name, n) for n, _, _ in windows()):
            return
        time.sleep(0.1)
    raise RuntimeError(f"no window named '{name}'")


def keys(*args):
    """xdotool's "key NAME" and "type --delay MS TEXT", done with wtype."""
    if args[0] == "key":
        command = ["wtype"] + [part for key in args[1:] for part in ("-k", key)]
    else:
        command = ["wtype", "-d", "20", args[-1]]
    subprocess.run(command, check=True, capture_output=True)


class ConsoleEar(by_ear.Ear):
    """The console's lines, one per utterance, read through the accessibility
    bus. The last line counts once it stops changing: it may be typed still."""

    def __init__(self):
        super().__init__(os.devnull)
        self.taken = 0
        self.last_text = None

    def listen(self):
        try:
            text = by_ear.run_probe("text", "Console", timeout=20)
        except subprocess.TimeoutExpired:
            return
        lines = text.split("\n")
        done = len(lines) if text == self.last_text else len(lines) - 1
        self.last_text = text
        for line in lines[self.taken:done]:
            self.said.append((time.monotonic() - self.start, line))
        self.taken = max(self.taken, done)

    def settle(self, quiet=0.4, longest=3.0):
        time.sleep(quiet)


class WaylandPlayer(by_ear.Player):
    def __init__(self, game, mission, out):
        os.makedirs(out, exist_ok=True)
        super().__init__(game, mission, out, os.devnull)
        self.ear = ConsoleEar()

    def keys(self, text):
        keys("type", "--delay", "20", text)
        time.sleep(0.3)

    def check_keyboard(self, window, control, when):
        focused = [n for n, _, f in windows() if f]
        if not any(re.search(window, n) for n in focused):
            self.faults.append(f"after {when} sway gives the keyboard to {focused}, not '{window}'")
        self.expect_focus(control, when)

    def warm_up(self):
        self.command("//harddrive", r"Contents of ROOT/", "the hard drive")
        # The status window opens aside: the next command is answered.
        self.type("//logfile")
        wait_window("^Status$")
        time.sleep(1)
        self.check_keyboard("^RELAY:", "Command line", "the status window opened")
        self.command("//servername", r"You are not on a server!", "the server name off-line")
        self.type("//dial 12ab")
        wait_window("^Error$|^Quorvexer$", 10)
        time.sleep(1)
        self.expect_focus("OK", "the error box opened")
        keys("key", "Return")
        time.sleep(1)
        self.check_keyboard("^RELAY:", "Command line", "the error box closed")

    def files_heard(self):
        since = self.ear.mark()
        self.type("//ls")
        self.ear.line(re.escape(self.server) + r"/ROOT/", since, 60, "the file list")
        time.sleep(2)
        self.ear.listen()
        lines = [line for _, line in self.ear.said[since:]]
        heading = next(k for k, line in enumerate(lines) if "/ROOT/" in line)
        return [by_ear.bare(line) for line in lines[heading + 1:] if line.strip()]

    def compile_deleter(self):
        self.type("//create virus deleter")
        wait_window("^COMPILER", 30)
        time.sleep(2)
        self.check_keyboard("^COMPILER", "Compiler console", "the compiler window opened")
        # One F6 in the compiler goes back to the game, the status window open or not.
        keys("key", "F6")
        time.sleep(1)
        self.check_keyboard("^RELAY:", "Command line", "F6 in the compiler window")

    def read_panes(self):
        with open(os.path.join(self.out, "console.txt"), "w", encoding="utf-8") as f:
            f.write(by_ear.run_probe("text", "Console"))


def main(game, mission, out):
    by_ear.xdo = keys
    by_ear.wait_window = wait_window
    player = WaylandPlayer(game, mission, out)
    try:
        timings = player.play()
        print(f"won the mission on {player.server} ({player.address}, {player.phone}) by "
              f"downloading {player.file}; typed {' | '.join(player.typed)}; "
              f"{timings['whole game']:.0f} s")
    except (by_ear.Deaf, RuntimeError, subprocess.SubprocessError, StopIteration) as e:
        player.faults.append(str(e) or type(e).__name__)
    finally:
        subprocess.run(["grim", os.path.join(out, "game.png")], capture_output=True)
        if player.proc and player.proc.poll() is None:
            player.proc.terminate()
            player.proc.wait(10)
    for fault in player.faults:
        print("FAIL:", fault)
    return 1 if player.faults else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
