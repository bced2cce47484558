#include "world/name_tables_rows.h"

namespace qv {

// Words for file names, chat-room chatter and program names. Rows are used
// verbatim: the trailing blanks of some rows end up inside file names.
std::vector<std::string> initialWordlist() {
  return {
      "a",       "big",       "homes",      "destruction", "however",    "Download", "Cool",
      "server",  "awesome",   "the",        "hack",        "password",   "secret",   "files",
      "money",   "lol",       "brb",        "dude",        "hello",      "bye",      "sup",
      "yes",     "no",        "maybe",      "today",       "tomorrow",   "night",    "day",
      "fast",    "slow",      "search for", "find",        "lost",       "found",    "help",
      "hacker",  "network",   "modem",      "phone",       "line",       "the",      "cool ",
      "trick",   "game",      "games",      "music",       "movie",      "picture",  "photo",
      "letter",  "mail",      "email",      "chat",        "room",       "talk",     "friend",
      "friends", "enemy",     "boss",       "work",        "school",     "homework", "test",
      "exam",    "notes",     "list",       "plan",        "plans",      "map",      "key",
      "keys",    "lock",      "door",       "house",       "home",       "car",      "bike",
      "road",    "city",      "town",       "world",       "planet",     "moon",     "sun",
      "star",    "stars",     "sky",        "rain",        "snow",       "wind",     "fire",
      "water",   "earth",     "stone",      "gold",        "silver",     "cash",     "bank",
      "account", "card",      "number",     "numbers",     "code",       "codes",    "crack",
      "cracked", "break",     "broken",     "fix",         "fixed",      "new",      "old",
      "big",     "small",     "tiny",       "huge",        "mega",       "ultra",    "super",
      "hyper",   "rofl",      "lmao",       "omg",         "wow",        "yay",      "nah",
      "yep",     "nope",      "ok",         "okay",        "thanks",     "please",   "sorry",
      "cheers",  "later",     "soon",       "now",         "never",      "always",   "again",
      "w00t",    "l33t",      "n00b",       "h4x0r",       "pwned",      "leet",     "elite",
      "newbie",  "lamer",     "script ",    "virus",       "worm",       "bug",      "bugs",
      "glitch",  "error",     "crash",      "reboot",      "system",     "admin",    "root",
      "user",    "users",     "guest",      "login",       "logout",     "access",   "denied",
      "granted", "open",      "closed",     "shut",        "down",       "up",       "left",
      "right",   "top",       "bottom",     "inside",      "outside",    "backup",   "archive",
      "data",    "database",  "report",     "reports",     "log",        "logs",     "record",
      "records", "private",   "public",     "hidden",      "stuff",      "things",   "junk",
      "trash",   "old stuff", "my files",   "your ",       "mine",       "yours",    "ours",
      "theirs",  "his",       "hers",       "dog",         "cat",        "fish",     "bird",
      "pizza",   "burger",    "coffee",     "tea",         "cola",       "candy",    "cookie",
      "cake",    "lunch",     "dinner",     "party",       "birthday",   "holiday",  "summer",
      "winter",  "spring",    "autumn",     "weekend",     "monday",     "friday",   "happy",
      "sad",     "angry",     "bored",      "tired",       "crazy",      "funny",    "weird",
      "strange", "scary",     "dark",       "light",       "black",      "white",    "red",
      "blue",    "green",     "yellow",     "purple",      "orange",     "one",      "two",
      "three",   "four",      "five",       "ten",         "hundred",    "thousand", "million",
      "zero",    "go",        "stop",       "run",         "walk",       "jump",     "hide",
      "seek",    "watch",     "look",       "see",         "hear",       "listen",   "speak",
      "say",     "tell",      "ask",        "answer",      "question",   "why",      "how",
      "what",    "where",     "when",       "who",         "which",      "this",     "that",
      "these",   "those",     "here",       "there",       "everywhere", "nowhere",  "something",
      "nothing", "anything",  "everything", "someone",     "nobody",     "everyone", "money",
      "hack",    "upload",    "download",   "delete",      "copy",       "paste",    "save",
      "load",    "print",     "scan",       "dial",        "GOD"};
}

}  // namespace qv
