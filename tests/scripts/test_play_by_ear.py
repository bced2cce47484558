#!/usr/bin/python3
"""How the by-ear player reads speech: with or without the role word."""
import importlib.util
import os
import sys
import unittest

sys.dont_write_bytecode = True  # no cache files beside the script

here = os.path.dirname(os.path.abspath(__file__))
found = importlib.util.spec_from_file_location(
    "play_by_ear", os.path.join(here, "..", "..", "scripts", "play-by-ear.py"))
ear = importlib.util.module_from_spec(found)
found.loader.exec_module(ear)

BRIEFING = "PAPER TRAIL Veldmark Freight swears its ships carry only grain. Their cargo list says otherwise."


class Hearing(unittest.TestCase):
    def test_lines_with_or_without_the_role_word(self):
        for said in ("notification Dialing 5 ....\nLogged off of CHATROOM", "Dialing 5 ....\nLogged off of CHATROOM"):
            self.assertEqual(ear.lines_of(said), ["Dialing 5 ....", "Logged off of CHATROOM"])

    def test_addresses_in_chatter(self):
        line = "NOODLE: leet 244.167.231.164 listen 1.2.3.4. 2002"
        self.assertEqual(ear.ADDRESS.findall(line), ["244.167.231.164", "1.2.3.4"])

    def test_server_and_file_from_the_briefing(self):
        player = ear.Player.__new__(ear.Player)
        player.briefing = BRIEFING
        self.assertTrue(player.is_target("WWW.VELDMARK-FREIGHT.NET"))
        self.assertFalse(player.is_target("WWW.FREIGHT-HAULERS.COM"))
        files = ["a.txt", "list.zip", "cargolist.txt", "grain.doc", "omg.txt"]
        self.assertEqual(player.ranked_files(files), ["cargolist.txt", "grain.doc", "list.zip"])


if __name__ == "__main__":
    unittest.main()
