"""What Orca said, read from its debug log, for the scripts that listen to
the game. The spoken text may or may not begin with the word "notification"
(older and newer screen readers differ); lines are matched without it."""
import re
import subprocess
import tempfile
import wave


def norm(text):
    return " ".join(text.split())


def lines_of(utterance):
    """The lines of one utterance, without a leading role word."""
    text = re.sub(r"^notification\s+", "", utterance)
    return [norm(l) for l in text.split("\n") if norm(l)]


def heard(line, said_lines):
    """Whether a line was said, with or without the full stop the screen
    reader adds after a word."""
    line = norm(line)
    return line in said_lines or line + "." in said_lines


def clock(stamp):
    """Seconds of the day of an HH:MM:SS.fff stamp."""
    h, m, s = stamp.split(":")
    return int(h) * 3600 + int(m) * 60 + float(s)


def spoken(log_path):
    """(seconds of the day, text) for each SPEECH OUTPUT of a whole log."""
    with open(log_path, encoding="utf-8", errors="replace") as f:
        log = f.read()
    return [(clock(m.group(1)), m.group(2)) for m in
            re.finditer(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?\{'",
                        log, re.S | re.M)]


def seconds_of_speech(text):
    """How long espeak-ng takes to say a text at its default rate."""
    with tempfile.NamedTemporaryFile(suffix=".wav") as recording:
        subprocess.run(["espeak-ng", "-w", recording.name, text], check=True)
        with wave.open(recording.name) as w:
            return w.getnframes() / w.getframerate()
