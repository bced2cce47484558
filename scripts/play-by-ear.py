#!/usr/bin/python3
"""Plays a download mission the way a blind player does: by ear.

    play-by-ear.py GAME MISSION OUT ORCA_LOG     plays one game, logs in OUT

Run it on the desktop that scripts/lib/speech-desktop.sh sets up, with Orca
writing ORCA_LOG line by line (scripts/check-screen-reader.sh does both).

Every step is decided from what Orca spoke, read from its debug log as it
grows: the briefing, the chat room's chatter, the phone number, the server's
name, the file list. The keyboard is xdotool's, on the window with the focus.
The game's own state is never read, except the pane texts at the end, to
check that every line it wrote was spoken.

The spoken text may or may not begin with the word "notification" (older and
newer screen readers differ); lines are matched without it (lib/orca_log.py).
"""
import json
import os
import re
import signal
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # no cache files beside the scripts
LIB = os.path.join(os.path.dirname(os.path.abspath(__file__)), "lib")
sys.path.insert(0, LIB)
from orca_log import lines_of, norm  # noqa: E402

# ---------------------------------------------------------------- the tree


def run_probe(*args, timeout=60):
    # The game answers the bus only between its typed lines: a separate
    # process with a time limit, so a busy game cannot hang the player.
    done = subprocess.run([sys.executable, os.path.join(LIB, "accessible.py"), *args],
                          capture_output=True, text=True, timeout=timeout)
    return done.stdout


# ----------------------------------------------------------------- hearing

SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?\{", re.S)
ADDRESS = re.compile(r"(?<![\d.])(\d{1,3}(?:\.\d{1,3}){3})(?![\d])")


def bare(line):
    """A line without the full stop the screen reader adds after a word."""
    return line[:-1] if line.endswith(".") else line


class Ear:
    """What Orca said so far, read from its line-buffered debug log."""

    def __init__(self, path):
        self.path = path
        self.raw = ""
        self.offset = 0
        self.said = []  # (seconds since start, utterance)
        self.start = time.monotonic()

    def listen(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                f.seek(self.offset)
                chunk = f.read()
                self.offset = f.tell()
        except FileNotFoundError:
            return
        self.raw += chunk
        end = 0
        for m in SPEECH.finditer(self.raw):
            # Multi-line entries carry the log's indent on each further line.
            text = re.sub(r"\n {18}", "\n", m.group(1))
            self.said.append((time.monotonic() - self.start, text))
            end = m.end()
        self.raw = self.raw[end:]

    def settle(self, quiet=0.4, longest=3.0):
        """Waits until the screen reader has worked off what it was busy
        with (its log stops growing), as a player pauses before Return. A
        reply blocks the game while it is typed; a question the reader puts
        to the game meanwhile fails, and the reader then drops the reply's
        announcement as coming from a dead object."""
        deadline = time.monotonic() + longest
        size, since = -1, time.monotonic()
        while time.monotonic() < deadline:
            now = os.path.getsize(self.path) if os.path.exists(self.path) else 0
            if now != size:
                size, since = now, time.monotonic()
            elif time.monotonic() - since >= quiet:
                return
            time.sleep(0.05)

    def mark(self):
        self.listen()
        return len(self.said)

    def wait(self, find, since, timeout, what):
        """Polls until find(lines heard since `since`) gives a result."""
        deadline = time.monotonic() + timeout
        while True:
            self.listen()
            heard = [(i, l) for i in range(since, len(self.said))
                     for l in lines_of(self.said[i][1])]
            hit = find(heard)
            if hit is not None:
                return hit
            if time.monotonic() > deadline:
                raise Deaf(what, timeout)
            time.sleep(0.2)

    def line(self, pattern, since, timeout, what):
        """The first line heard since `since` that matches, as a match."""
        rx = re.compile(pattern)

        def find(heard):
            for _, l in heard:
                m = rx.search(l)
                if m:
                    return m
            return None

        return self.wait(find, since, timeout, what)


class Deaf(Exception):
    def __init__(self, what, timeout):
        super().__init__(f"nothing heard of {what} within {timeout:.0f} s")


# ----------------------------------------------------------------- hands


def xdo(*args):
    subprocess.run(["xdotool", *args], check=True, capture_output=True)


def wait_window(name, timeout=15):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if subprocess.run(["xdotool", "search", "--name", name], capture_output=True).returncode == 0:
            return
        time.sleep(0.1)
    raise RuntimeError(f"no window named '{name}'")


class Player:
    def __init__(self, game, mission, out, orca_log):
        self.game, self.mission, self.out = game, mission, out
        self.ear = Ear(orca_log)
        self.journal = open(os.path.join(out, "play.txt"), "w", encoding="utf-8")
        self.faults = []
        self.proc = None
        self.typed = []
        self.retried = []
        self.tally = {}  # address: times heard in the chatter
        self.tried = []  # addresses dialled, in order
        self.listened = 0.0

    def note(self, text):
        stamp = f"{time.monotonic() - self.ear.start:7.1f}s"
        print(f"{stamp}  {text}", file=self.journal, flush=True)

    def keys(self, text):
        """Types at a typist's pace, then waits to hear the last key echoed:
        typed faster, the keys' events flood the screen reader, and it drops
        what the game announces meanwhile."""
        since = self.ear.mark()
        xdo("type", "--delay", "100", text)
        last = text[-1].lower()
        times = text.lower().count(last)
        if last.isalnum():
            try:
                self.ear.wait(lambda heard: True if sum(l == last for _, l in heard) >= times else None,
                              since, 5, "the echo of the last key")
            except Deaf:
                pass  # no echo (a reader set not to echo keys): go on
        self.ear.settle()

    def type(self, command):
        self.note(f"types   {command}")
        self.typed.append(command)
        self.keys(command)
        xdo("key", "Return")

    def heard(self, what, text):
        self.note(f"hears   {what}: {text}")

    def expect_focus(self, name, when):
        now = run_probe("focus").split("\n")
        if name not in now:
            self.faults.append(f"after {when} the keyboard is on '{', '.join(now)}', not on '{name}'")

    # The start: the menu, the mission dialog, the briefing. A briefing that
    # never comes is retried with a fresh game, as a player would.
    def start(self, attempts=3):
        for attempt in range(1, attempts + 1):
            self.game_mark = self.ear.mark()
            log = open(os.path.join(self.out, f"game{attempt}.log"), "w")
            self.proc = subprocess.Popen([self.game], stdout=log, stderr=subprocess.STDOUT)
            wait_window("Quorvexer v")
            time.sleep(1)
            xdo("key", "Return")  # the menu opens with NEW GAME focused
            wait_window("^Open$")
            time.sleep(1)
            self.expect_focus("File name", "the mission dialog opened")
            self.keys(self.mission)
            xdo("key", "Return")
            try:
                self.briefing = self.hear_briefing()
                self.starts = attempt
                return
            except Deaf as deaf:
                # Known: the dialog's flood can drop the briefing.
                self.note(f"retries the start: {deaf}")
                self.retried.append(f"start {attempt}: {deaf}")
                print(f"WARN: start {attempt}: {deaf}; the game is started again")
                self.proc.terminate()
                self.proc.wait(10)
        raise RuntimeError(f"no briefing heard in {attempts} starts")

    def hear_briefing(self):
        # After "Loading Complete": the mission's name, the spaced dashes,
        # then the description, as one reply or the description on its own.
        def find(heard):
            at = [k for k, (_, l) in enumerate(heard) if "Loading Complete" in l]
            if not at:
                return None
            rest = heard[at[-1] + 1:]
            dashes = [k for k, (_, l) in enumerate(rest) if re.fullmatch(r"(- ){5,}-?", l)]
            if not dashes or len(rest) == dashes[0] + 1:
                return None
            name = [l for _, l in rest[:dashes[0]]]
            after = rest[dashes[0] + 1:]
            # The description: the rest of that reply, or the next one.
            told = [l for i, l in after if i == after[0][0]]
            return name + told

        # The start types about 250 characters after the dialog: 8 s.
        self.ear.line(r"Loading Complete", self.game_mark, 45, "the end of loading")
        briefing = " ".join(self.ear.wait(find, self.game_mark, 30, "the mission briefing"))
        self.heard("briefing", briefing)
        return briefing

    def command(self, text, pattern, what, timeout=60):
        since = self.ear.mark()
        self.type(text)
        m = self.ear.line(pattern, since, timeout, what)
        self.heard(what, m.group(0))
        return m

    # The checks that come before the mission: a listing, a name, an error box.
    def warm_up(self):
        self.command("//harddrive", r"Contents of ROOT/", "the hard drive")
        self.command("//servername", r"You are not on a server!", "the server name off-line")
        since = self.ear.mark()
        self.type("//dial 12ab")
        self.ear.line(r"^'12ab' is not a valid integer value\.$", since, 30, "the error box")
        self.ear.line(r"^OK (push )?button", since, 10, "the error box's button")
        self.heard("error box", "'12ab' is not a valid integer value. / OK push button")
        time.sleep(0.5)
        self.expect_focus("OK", "the error box opened")
        xdo("key", "Return")
        time.sleep(1)
        self.expect_focus("Command line", "the error box closed")

    # The chat room: listen until one address stands out.
    def listen_in_chatroom(self, timeout=300):
        """Listens to the chatter until one address not yet tried is heard
        clearly more often than any other. The server addresses the chatter
        leaks come from a list where the target's address stands five times,
        the others' once or twice: a few mentions are luck, more are not.
        Returns the addresses not tried, most heard first."""
        for visit in range(1, 5):
            m = self.command("//chatroom", r"^(\d+) users currently in the chatroom", "the room")
            crowd = int(m.group(1))
            if crowd >= 6 or visit == 4:
                break
            self.note(f"leaves  a room of {crowd}: too quiet to learn much")
        since = self.ear.mark()
        began = time.monotonic()
        last_report = 0
        while True:
            self.ear.listen()
            for i in range(since, len(self.ear.said)):
                for line in lines_of(self.ear.said[i][1]):
                    # A chat line: a nickname, a colon, words.
                    if is_chat_line(line):
                        for address in ADDRESS.findall(line):
                            self.tally[address] = self.tally.get(address, 0) + 1
            since = len(self.ear.said)
            ranked = sorted(((a, n) for a, n in self.tally.items() if a not in self.tried),
                            key=lambda an: -an[1])
            top = ranked[0][1] if ranked else 0
            second = ranked[1][1] if len(ranked) > 1 else 0
            spent = time.monotonic() - began
            if int(spent) // 15 > last_report:
                last_report = int(spent) // 15
                self.note(f"tally   {ranked[:5]}")
            if (top >= 6 and top >= 2 * second) or (top >= 4 and spent > 120) or (top and spent > timeout):
                break
            if spent > timeout + 60:
                raise RuntimeError("the chat room named no address")
            time.sleep(0.3)
        self.listened += time.monotonic() - began
        self.note(f"tally   {ranked[:5]} after {time.monotonic() - began:.0f} s")
        return [a for a, _ in ranked]

    def is_target(self, name):
        """Whether the briefing names this server: the name itself, or every
        word of it that is not a web prefix or ending."""
        if name.lower() in self.briefing.lower():
            return True
        said = re.sub(r"[^a-z0-9]", "", self.briefing.lower())
        words = [w for w in re.split(r"[^a-z0-9]+", name.lower())
                 if w and w not in ("www", "com", "net", "org", "edu", "gov", "co", "uk")]
        return sum(map(len, words)) >= 4 and all(w in said for w in words)

    def reach_target(self, rounds=3):
        """Dials the most heard address until the server's name is the one
        of the briefing; after a wrong server, back to the chat room."""
        for _ in range(rounds):
            address = self.listen_in_chatroom()[0]
            self.tried.append(address)
            m = self.command(f"//idip {address}",
                             rf"^Phone of server at: {re.escape(address)} = (\d+)", "the phone number")
            phone = int(m.group(1))
            if phone > 2**31 - 1:
                self.note(f"skips   {address}: no server answers there")
                continue
            m = self.command(f"//dial {phone}",
                             rf"^(Connected to server (.*) at {re.escape(address)}(?!\d)|Could not connect to {phone})",
                             "the dial")
            if not m.group(2):
                continue
            m = self.command("//servername", r"^Servername = (.*?)\.?$", "the server name")
            name = m.group(1)
            if self.is_target(name):
                self.server, self.address, self.phone = name, address, phone
                return
            self.note(f"skips   {name}: not the server of the briefing")
        raise RuntimeError(f"none of the addresses tried leads to the server of the briefing: {self.tried}")

    def files_heard(self):
        since = self.ear.mark()
        self.type("//ls")
        heading = re.escape(self.server) + r"/ROOT/"

        def find(heard):
            for k, (i, l) in enumerate(heard):
                if re.match(heading, l):
                    # The listing is spoken with its heading, as one reply.
                    return [bare(x) for j, x in heard[k + 1:] if j == i]
            return None

        files = self.ear.wait(find, since, 60, "the file list")
        self.heard("file list", f"{len(files)} files: {', '.join(files[:8])} ...")
        return files

    def ranked_files(self, files):
        """The files that sound like what the briefing asks for, best first:
        the name itself, or its stem run together from the briefing's words."""
        said = re.sub(r"[^a-z0-9]", "", self.briefing.lower())
        scored = []
        for f in files:
            if f.lower() in self.briefing.lower():
                scored.append((1000, f))
                continue
            stem = re.sub(r"[^a-z0-9]", "", f.lower().rsplit(".", 1)[0])
            if len(stem) >= 4 and stem in said:
                scored.append((len(stem), f))
        return [f for _, f in sorted(scored, key=lambda sf: -sf[0])]

    def download_target(self, files):
        for name in self.ranked_files(files)[:4]:
            since = self.ear.mark()
            self.type(f"//download {name}")
            try:
                self.ear.line(rf"^Download of file {re.escape(name.lower())} complete", since, 20,
                              "the download")
            except Deaf as deaf:
                raise RuntimeError(f"{deaf}; {self.drive_holds(name)}") from None
            try:
                m = self.ear.line(r"you won the mission!", since, 5, "the win")
            except Deaf:
                self.note(f"skips   {name}: no win")
                continue
            self.heard("the win", m.string)
            self.file = name
            return
        raise RuntimeError("no file of the list won the mission")

    def drive_holds(self, name):
        """What "//harddrive" says of a file whose download was not heard."""
        since = self.ear.mark()
        self.type("//harddrive")

        def find(heard):
            for k, (i, l) in enumerate(heard):
                if l.startswith("Contents of ROOT/"):
                    return [x for j, x in heard[k + 1:] if j == i]
            return None

        try:
            drive = self.ear.wait(find, since, 30, "the hard drive")
        except Deaf:
            return "nor was the hard drive's listing"
        held = [l for l in drive if l.lower().startswith(name.lower() + " ")]
        if held:
            return f"the hard drive holds {bare(held[0])!r}: the game did it, its reply was not spoken"
        return "the hard drive does not hold it"

    def compile_deleter(self):
        since = self.ear.mark()
        self.type("//create virus deleter")
        self.ear.line(r"Program created", since, 90, "the compiler")
        time.sleep(1)
        self.expect_focus("Compiler console", "the compiler window opened")

    def play(self):
        t0 = time.monotonic()
        self.start()
        timings = {"start": time.monotonic() - t0}
        self.warm_up()
        t1 = time.monotonic()
        self.reach_target()
        timings["chat room"] = self.listened
        timings["to the server"] = time.monotonic() - t1
        t1 = time.monotonic()
        self.download_target(self.files_heard())
        timings["to the win"] = time.monotonic() - t1
        t1 = time.monotonic()
        self.compile_deleter()
        timings["compiler"] = time.monotonic() - t1
        timings["whole game"] = time.monotonic() - t0
        self.read_panes()
        return timings

    def read_panes(self):
        for pane, file in (("Console", "console.txt"), ("Compiler console", "compiler.txt")):
            with open(os.path.join(self.out, file), "w", encoding="utf-8") as f:
                f.write(run_probe("text", pane))


# ------------------------------------------------ every line spoken, in order


def is_chat_line(line):
    """A chat room line: a nickname in capitals, a colon, words. The game's
    own lines that hold a colon ("file: ...", "Phone of server at: ...")
    begin with small letters."""
    speaker, colon, _ = line.partition(": ")
    return bool(colon and speaker) and not re.search(r"[a-z]", speaker)


SERVER_ACTIVITY = re.compile(r"^(\S+ (joined the server\.|has left the server\.|uploaded file: .+"
                             r"|has downloaded file: .+)|file: .+ deleted from server by \S+)$")


def is_background_line(line):
    """A line that gives way: the chat room's, or another user's coming,
    going or file on the player's server."""
    return is_chat_line(line) or bool(SERVER_ACTIVITY.match(line))


def typed_in_part(line):
    """A coming or going caught half typed: the panes are read while the game
    may be typing one."""
    _, blank, rest = line.partition(" ")
    return bool(blank) and any(form.startswith(rest) for form in
                               ("joined the server.", "has left the server."))


def check_spoken(said, out):
    """Each pane line was spoken once, whole, in order. Returns the number of
    lines spoken, the faults, and the lines of the start sequence (up to the
    mission's description) that were never spoken: the screen reader drops
    them when the mission dialog floods it, a known fault that the retried
    start works around. An utterance that carries the role word and is no
    pending line of a pane is a fault; without the role word, other speech
    (keys echoed, focus) is let pass."""
    def pane(name, keep=lambda l: True):
        with open(os.path.join(out, name), encoding="utf-8") as f:
            return [norm(l) for l in f.read().split("\n") if norm(l) and keep(norm(l))]

    panes = {"console": pane("console.txt"),
             # The compiler's digits are progress, not lines, and are not spoken.
             "compiler": pane("compiler.txt", lambda l: not re.fullmatch(r"[01]+", l))}
    console = panes["console"]
    dashes = [k for k, l in enumerate(console) if re.fullmatch(r"(- ){5,}-?", l)]
    start_lines = dashes[0] + 2 if dashes else 0
    done = {name: 0 for name in panes}  # lines of each pane dealt with
    same = lambda spoken, line: spoken in (line, line + ".")
    faults, lost_at_start, unsaid_chat, count = [], [], [], 0

    def miss(name, upto):
        for k in range(done[name], upto):
            line = panes[name][k]
            if name == "console" and k < start_lines:
                lost_at_start.append(line)
            elif name == "console" and (is_background_line(line) or
                                        k == len(console) - 1 and typed_in_part(line)):
                unsaid_chat.append(line)  # background lines give way to the rest, by design
            else:
                faults.append(f"{name} line never spoken: {line!r}")

    for _, utterance in said:
        tagged = utterance.startswith("notification ")
        for spoken in lines_of(utterance):
            if all(done[n] == len(panes[n]) for n in panes):
                return count, faults, lost_at_start, unsaid_chat  # written after the panes were read
            hit = next(((n, k) for n in panes for k in range(done[n], len(panes[n]))
                        if same(spoken, panes[n][k])), None)
            if hit is None:
                # A kept background line (an address, a file) waits for a
                # pause, so it may come after lines written later.
                late_chat = is_background_line(spoken) and any(same(spoken, l) for l in console)
                if tagged and not late_chat:
                    faults.append(f"spoken but no line of a pane: {spoken!r}")
                continue
            name, k = hit
            miss(name, k)
            done[name] = k + 1
            count += 1
    for name in panes:
        miss(name, len(panes[name]))
    return count, faults, lost_at_start, unsaid_chat


def main(game, mission, out, orca_log):
    player = Player(game, mission, out, orca_log)
    result = {"passed": False}
    try:
        timings = player.play()
        # The panes were read a moment ago: Orca may still be speaking
        # their last lines.
        for _ in range(20):
            player.ear.listen()
            count, faults, lost, unsaid_chat = check_spoken(player.ear.said[player.game_mark:], out)
            if not faults:
                break
            time.sleep(0.5)
        player.faults += faults
        for line in lost:
            print(f"WARN: a line of the start was never spoken: {line!r}")
        result.update(passed=not player.faults, timings=timings, lines_spoken=count,
                      lost_at_start=lost, chat_lines_unsaid=len(unsaid_chat),
                      retried_starts=player.retried,
                      starts=player.starts, server=player.server, address=player.address,
                      phone=player.phone, file=player.file, tried=player.tried,
                      tally=sorted(player.tally.items(), key=lambda an: -an[1])[:5],
                      briefing=player.briefing, typed=player.typed)
    except (Deaf, RuntimeError, subprocess.SubprocessError) as e:
        player.faults.append(str(e))
        try:
            player.read_panes()  # what the game wrote, to set beside what was heard
        except (subprocess.SubprocessError, AttributeError):
            pass
    finally:
        result["faults"] = player.faults
        if player.proc and player.proc.poll() is None:
            player.proc.send_signal(signal.SIGTERM)
            try:
                player.proc.wait(10)
            except subprocess.TimeoutExpired:
                player.proc.kill()
    with open(os.path.join(out, "result.json"), "w", encoding="utf-8") as f:
        json.dump(result, f, indent=1)
    for fault in player.faults:
        print("FAIL:", fault)
    return 0 if result["passed"] else 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:5]))
