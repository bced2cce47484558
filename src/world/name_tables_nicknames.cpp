#include "world/name_tables_rows.h"

namespace qv {

// Nicknames of the users on the servers and of the chat-room occupants.
std::vector<std::string> initialNameList() {
  return {"Reborn",     "Razor",     "GreyMatter",   "Searcher",   "Vortex",     "Zoinker",
          "Neophyte12", "Zeon98",    "Blinker",      "Quaxo",      "Sparkplug",  "NightOwl",
          "Glitchy",    "Mothball",  "Cobalt",       "Fizzgig",    "Tinhat",     "Bytebiter",
          "Nullpoint",  "Shadowfox", "Wirehead",     "Krunch",     "Dazzle",     "Snoop",
          "Lurker",     "Pixelpop",  "Gadgeteer",    "Mudskipper", "Ratchet",    "Zapper",
          "Bramble",    "Flux",      "Nibbler",      "Scrambler",  "Tumbleweed", "Quibble",
          "Sprocket",   "Hazard",    "Drifter",      "Whisper",    "Chomper",    "Slinky",
          "Moonbeam",   "Static",    "Cipherkid",    "Blackjack",  "Grubworm",   "Vapor",
          "Zigzag",     "Rumbler",   "Phantasm",     "Tickler",    "Hotwire",    "Jitterbug",
          "Noodle",     "Oddball",   "Crowbar",      "Skeeter",    "Marauder",   "Gizmo",
          "Widget",     "Thunk",     "Kludge",       "Gremlin",    "Sizzle",     "Paradox",
          "Voodoo",     "Wombat",    "Snarf",        "Boogle",     "Trinket",    "Yodel",
          "Mr_Bits",    "Dr_Nope",   "Captain_Zero", "Lady_Byte",  "Sir_Hax",    "Baron_Bug",
          "King_Modem", "Queen_Lag", "Neophyte7",    "Zeon99",     "Hax0r2000",  "Bitz42",
          "Cracker99",  "Modem56",   "Byte64",       "Kilo1024",   "Zapper3",    "Dude007",
          "Leet1337",   "Pixel8",    "Ghost404",     "Lag500",     "Newbie1",    "Phreak77",
          "Spoon2",     "Jumper9",   "Trix13",       "Blip88",     "Rocket101",  "Snake21",
          "Turbo33",    "Frost11",   "Mike",         "Sarah",      "Tom",        "Jenny",
          "Dave",       "Lisa",      "Chris",        "Kate",       "Steve",      "Anna",
          "Paul",       "Emma",      "Mark",         "Julia",      "Peter",      "Laura",
          "John",       "Susan",     "Rick",         "Helen",      "Bob",        "Alice",
          "Frank",      "Nina",      "Greg",         "Tina",       "Sam",        "Olga",
          "Victor",     "Wendy",     "Oscar",        "Rita",       "Hank",       "Zoe",
          "Leo",        "Ivy",       "Max",          "Ruth",       "Ben",        "Cleo",
          ":-)",        "8-)",       ":-(",          ";-)",        ":-P",        ":-D",
          ":-O",        "B-)",       "Spudnik",      "Crumb",      "Bonkers",    "Zilch",
          "Mumbles",    "Fuzzball",  "Wingnut",      "Dingbat",    "Squeak",     "Blotto",
          "Scooter",    "Flapjack",  "Pickles",      "Tater",      "Gumdrop",    "Doodle",
          "Cheddar",    "Biscuit",   "Waffles",      "Nugget",     "Peanut",     "Sprout",
          "Button",     "Muffin",    "Zorbo",        "Krakle",     "Blarg",      "Quuxly",
          "Plonk",      "Wibble",    "Splat",        "Zonk",       "Glorp",      "Bleep",
          "Grumble",    "Whizz",     "Bonk",         "Fidget",     "Kazoo",      "Wobbles",
          "Humbug",     "Toaster",   "Clunk",        "Sniffles",   "Marmot",     "Yonder",
          "Pogo",       "Poopy"};
}

}  // namespace qv
