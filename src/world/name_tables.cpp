#include "world/name_tables.h"

#include "world/name_tables_rows.h"

namespace qv {
namespace {

// Roles; the doubled rows make tech support and anti-hackers twice as common.
std::vector<std::string> initialUseridlist() {
  return {"Tech Support", "Tech Support", "Administrator", "Webmaster",
          "Anti-hacker",  "Anti-hacker",  "Hacker"};
}

// Extensions of "other" files; repeated rows are drawn more often.
std::vector<std::string> initialExtentionslist() {
  return {".lst", ".trg", ".hgt", ".jhu", ".kli", ".ddc", ".gif", ".jpg", ".jpg", ".jpg",
          ".gif", ".jsd", ".kas", ".mon", ".nio", ".nbe", ".sdf", ".hhg", ".jjk", ".com",
          ".bat", ".bat", ".cod", ".pas", ".pas", ".dpr", ".dpr", ".lkj", ".asd", ".sdf",
          ".dfg", ".fgh", ".ghj", ".xcv", ".cvb", ".vbn", ".sde", ".ssd", ".qwq", ".001",
          ".002", ".003", ".004", ".005", ".006", ".lll"};
}

// Server names of at most 21 characters: twelve organisations first, then
// web hosts. The last host repeats an earlier one, so that host turns up
// twice as often.
std::vector<std::string> initialServernamelist() {
  return {// organisations
          "First Harbor Bank", "Granite Trust Bank", "Norvane Savings", "Swiftwire Transfers",
          "Crestline Oil", "Pagewell Books", "Bytemoor Software", "Lumen Softworks",
          "Halcyon Games", "Telvanta Telecom", "Skyportal Web", "Vex Malory's House",
          // web hosts
          "www.brindlebox.com", "www.quaxel.net", "www.mopsly.org", "www.flurbnet.com",
          "www.tindrox.net", "www.glimmerpod.com", "www.vorpix.org", "www.snarkle.net",
          "www.plinkit.com", "www.zubbo.net", "www.kettlewhip.com", "www.drumlox.org",
          "www.yarnbit.net", "www.woxter.com", "www.hexaplum.net", "www.crumbfield.com",
          "www.jabberlot.org", "www.noodlar.net", "www.pebbix.com", "www.frazzlenet.org",
          "www.gummytron.com", "www.sprocklet.net", "www.blipvault.com", "www.mizzwick.org",
          "www.tronkle.net", "www.quobblet.com", "www.zephwire.net", "www.lunkmoor.org",
          "www.ravelpit.com", "www.fizzgrub.net", "www.owlcrank.com", "www.splonk.org",
          "www.vimbletop.net", "www.dorkspace.com", "www.nubbix.org", "www.cloudkrill.net",
          "www.wobbleton.com", "www.grizzmo.net", "www.kazoodle.org", "www.shrubnet.com",
          "www.puddlebyte.net", "www.blipvault.com"};
}

}  // namespace

NameTables NameTables::initial() {
  NameTables tables;
  tables.useridlist = initialUseridlist();
  tables.extentionslist = initialExtentionslist();
  tables.servernamelist = initialServernamelist();
  tables.NameList = initialNameList();
  tables.wordlist = initialWordlist();
  return tables;
}

}  // namespace qv
