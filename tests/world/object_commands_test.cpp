// Objects: the catalogue order, properties, taking and dropping, conditions, lists and files.
#include "support/test_game.h"
#include "support/thread_time.h"

#include "base/text.h"
#include "present/object_link_listing.h"
#include "state/game_session.h"
#include "world/object_listing.h"

#include <algorithm>
#include <ctime>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;

namespace {

// Three objects; the catalogue file lists them out of order.
void writeObjects(TestGame& game) {
  game.settings({{10, "sala"}});
  game.writeLines("jogo.obz", {"Lamp", "anel", "Bola"});
  game.writeLines("jogo.obx", {
                                  "anel", "Anel", "um anel", "sala", "anel.png", "t1", "", "",
                                  "Bola", "Bola", "uma bola", "jog", "bola.png", "t2", "", "",
                                  "Lamp", "Lâmpada", "uma lâmpada", "sala", "lamp.png", "t3", "s1", "s2",
                              });
}

std::string location(TestGame& game, const std::string& key) {
  const auto& objects = game.player().session().objects;
  return objects.line(objects.find(key), taluvin::kObjectLocation);
}

}  // namespace

TEST(ObjectCommands, CatalogueIsSortedIgnoringCaseAndAccents) {
  TestGame game;
  writeObjects(game);
  game.writeLines("jogo.obz", {"Lamp", "anel", "Bola", "Ábaco", "abelha", "Zebra", "árvore", "Anel"});
  game.write("start.scp", "");
  game.start();
  const auto names = game.player().session().objects.names;
  std::vector<std::string> shown;
  for (const auto& n : names) shown.push_back(taluvin::cp1252ToUtf8(n));
  EXPECT_EQ(shown, (std::vector<std::string>{"Ábaco", "abelha", "Anel", "anel", "árvore", "Bola", "Lamp", "Zebra"}));
}

TEST(ObjectCommands, GetAndSetPropertiesByWordAndByShortForm) {
  TestGame game;
  writeObjects(game);
  game.write("start.scp",
             "getobj= 1,Lamp,nom\n"
             "getdscobj= 2,anel\n"
             "getobj= 3,nada,nom\n"
             "reg= 4,antes\n"
             "getobj= 4,Lamp,xyz\n"
             "getobj= 300,Lamp,nom\n"
             "setobj= anel,tag,novo\n"
             "setobj= anel,,x\n"
             "setobj= nada,tag,x\n"
             "setnomobj= Bola,Bolinha\n"
             "setobj= Lamp,nom,loc\n"
             "setobj= Lamp,xyz,perdido\n"
             "gettagobj= 5,anel\n"
             "getshpobj= 6,Bola\n"
             "getlocobj= 7,Bola\n");
  game.start();
  EXPECT_EQ(game.reg(1), "Lâmpada");
  EXPECT_TRUE(game.traced("   0: getobj= 1Lamp,Lâmpada"));
  EXPECT_EQ(game.reg(2), "um anel");
  EXPECT_TRUE(game.traced("   2: getobj= 3nada <--- objeto não existe"));
  EXPECT_EQ(game.reg(4), "antes");
  EXPECT_TRUE(game.traced("   5: getobj= 300 <--- registrador fora de faixa"));
  EXPECT_EQ(game.reg(5), "novo");
  EXPECT_TRUE(game.traced("   6: setobj= "));
  EXPECT_TRUE(game.traced("   7: setobj= anel <--- não informou a propriedade"));
  EXPECT_TRUE(game.traced("   8: setobj= nada <--- este objeto não existe!"));
  const auto& objects = game.player().session().objects;
  EXPECT_EQ(objects.line(objects.find("Bola"), taluvin::kObjectName), "Bolinha");
  // A place word stores the current place, whatever the property.
  EXPECT_EQ(objects.line(objects.find("Lamp"), taluvin::kObjectName), "sala");
  EXPECT_EQ(game.reg(6), "bola.png");
  EXPECT_EQ(game.reg(7), "jog");
}

TEST(ObjectCommands, TakingAndDroppingIgnoreWhereTheObjectWas) {
  TestGame game;
  writeObjects(game);
  game.write("start.scp",
             "pegaobj anel\n"
             "soltaobj Bola\n"
             "pegobj= nada\n"
             "poeobj= Lamp,anel\n"
             "poeobj= Bola,@pos\n"
             "dropobj anel\n"
             "getobj anel\n");
  game.start();
  EXPECT_EQ(location(game, "anel"), "jog");
  EXPECT_EQ(location(game, "Bola"), "sala");
  EXPECT_EQ(location(game, "Lamp"), "anel");
  EXPECT_TRUE(game.traced("   2: pegobj= nada <--- objeto não existe"));
  EXPECT_TRUE(game.traced("   3: poeobj= Lamp,anel"));
  EXPECT_TRUE(game.traced("   4: poeobj= Bola,sala"));
}

TEST(ObjectCommands, MovingEverythingNotesWhatHappenedAndListsTheObjects) {
  TestGame game;
  writeObjects(game);
  game.write("start.scp",
             "poetudo jog,loc\n"
             "tiratudo loc,jog\n"
             "putall jog,caixa\n"
             "tiratudo caixa,mesa\n"
             "tiratudo ,mesa\n"
             "tiratudo mesa\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: poetudo jog,sala  <- objetos soltos no local atual."));
  EXPECT_TRUE(game.traced("  Bola "));
  EXPECT_TRUE(game.traced("   1: tiratudo sala,jog  <- objetos pegos pelo jogador do local atual."));
  EXPECT_TRUE(game.traced("  anel Bola Lamp "));
  EXPECT_TRUE(game.traced("   2: putall jog,caixa  <- objetos colocados pelo jogador no objeto caixa."));
  EXPECT_TRUE(game.traced("   3: tiratudo caixa,mesa  <- objetos em caixa que serão colocados em mesa."));
  EXPECT_TRUE(game.traced("   4: tiratudo  <--- não informou \"de\" onde"));
  EXPECT_TRUE(game.traced("   5: tiratudo  <--- não informou \"para\" onde"));
  EXPECT_EQ(location(game, "anel"), "mesa");
  EXPECT_EQ(location(game, "Lamp"), "mesa");
}

TEST(ObjectCommands, ConditionsOnWhereObjectsAre) {
  TestGame game;
  writeObjects(game);
  game.write("start.scp",
             "ifobj= anel,loc,a\n"
             "reg= 9,pulado\n"
             ":a\n"
             "ifobj# anel,sala,nunca\n"
             "tem? Bola,b\n"
             "reg= 9,pulado\n"
             ":b\n"
             "tem? anel,nunca\n"
             "tem? nada,nunca\n"
             "aquitem? Lamp,c\n"
             "reg= 9,pulado\n"
             ":c\n"
             "temos? Bola,d\n"
             "reg= 9,pulado\n"
             ":d\n"
             "temos? anel,nunca\n"
             "temos? nada,nunca\n"
             "objeto= Bola\n"
             "objeto= nada\n"
             "getultobj= 1\n"
             "have? ,e\n"
             "reg= 9,pulado\n"
             ":e\n"
             "ifobj= nada,loc,nunca\n");
  game.start();
  EXPECT_EQ(game.reg(9), "");
  EXPECT_TRUE(game.traced("   3: ifobj# anelsala,nunca <- não saltou"));
  EXPECT_TRUE(game.traced("   7: tem? "));
  EXPECT_TRUE(game.traced("   8: tem? "));
  EXPECT_TRUE(game.traced("  15: temos? anel,nunca <- não saltou"));
  EXPECT_TRUE(game.traced("  16: temos? nada, <--- objeto não existe"));
  EXPECT_TRUE(game.traced("  18: objeto= nada <--- objeto não existe"));
  EXPECT_EQ(game.reg(1), "Bola");
  EXPECT_TRUE(game.traced("  19: getultobj= 1,Bola"));
  EXPECT_TRUE(game.traced("  23: ifobj= nada <--- objeto não existe"));
}

TEST(ObjectCommands, CountAndListTheObjectsAtALocation) {
  TestGame game;
  writeObjects(game);
  game.write("start.scp",
             "conta loc,1\n"
             "count jog,2\n"
             "lstobj 3,loc\n"
             "pegaobj Bola\n"
             "soltaobj Bola\n"
             "lstobj= 4,@loc\n"
             "lstobj 5,jog\n"
             "pegaobj anel\n"
             "lstobj 6,jog\n"
             "lstobjlnk 7,loc\n"
             "count jog,999\n");
  game.start();
  EXPECT_EQ(game.reg(1), "2");
  EXPECT_TRUE(game.traced("   0: conta sala,1"));
  EXPECT_EQ(game.reg(2), "1");
  EXPECT_EQ(game.reg(3), "uma lâmpada e um anel.");
  EXPECT_EQ(game.reg(4), "uma lâmpada, uma bola e um anel.");
  EXPECT_EQ(game.reg(5), "");
  EXPECT_EQ(game.reg(6), "um anel.");
  // The picture-screen model has no clickable list items.
  EXPECT_EQ(game.reg(7), "");
  EXPECT_TRUE(game.traced("List index out of bounds (999)"));
}

TEST(ObjectCommands, LinkItemsFollowTheScreenModel) {
  taluvin::GameSession session;
  session.objects.setTable({"anel", "Anel", "um anel", "sala", "", "", "", "",
                           "Bola", "Bola", "uma bola", "sala", "", "", "", ""});
  session.Modelo = "2";
  EXPECT_EQ(taluvin::joinAsSentence(taluvin::objectLinkItems(session, "sala")),
            "<a href=Scp=Bola>uma bola</a> e <a href=Scp=anel>um anel</a>.");
  session.Modelo = "4";
  EXPECT_EQ(taluvin::joinAsSentence(taluvin::objectLinkItems(session, "sala")), "@uma bola|Bola| e @um anel|anel|.");
  session.Modelo = "3";
  EXPECT_EQ(taluvin::joinAsSentence(taluvin::objectLinkItems(session, "sala")), "");
}

TEST(ObjectCommands, ObjectFilesRoundTripThroughReloadAndSave) {
  TestGame game;
  writeObjects(game);
  game.writeLines("anel.obj", {"anel", "Anel de ouro", "um anel dourado", "cofre", "ouro.png", "t9", "x", "y", "extra"});
  game.writeLines("Bola.obj", {"Bola", "Bola", "uma bola", "quadra"});
  game.write("start.scp",
             "pegaobj Lamp\n"
             "reset obj,anel\n"
             "saveobjs\n");
  game.start();
  auto saved = game.readLines("jogo.obx");
  ASSERT_EQ(saved.size(), 24u);
  EXPECT_EQ(std::vector<std::string>(saved.begin(), saved.begin() + 8),
            (std::vector<std::string>{"anel", "Anel de ouro", "um anel dourado", "cofre", "ouro.png", "t9", "x", "y"}));
  EXPECT_EQ(saved[19], "jog");
  EXPECT_EQ(saved[22], "s1");

  game.write("novo.scp", "reset objs,todos\n");
  game.run("novo");
  saved = game.readLines("jogo.obx");
  ASSERT_EQ(saved.size(), 24u);
  EXPECT_EQ(saved[11], "quadra");
  EXPECT_EQ(saved[12], "");
  // Lamp has no object file: its record keeps only its key.
  EXPECT_EQ(std::vector<std::string>(saved.begin() + 16, saved.end()),
            (std::vector<std::string>{"Lamp", "", "", "", "", "", "", ""}));
  EXPECT_TRUE(game.traced("   0: reset objs <--- arquivo não existe (Lamp.obj)"));

  game.quit();
  EXPECT_EQ(game.readLines("jogo.obz"), (std::vector<std::string>{"anel", "Bola", "Lamp"}));
}

TEST(ObjectIndex, LookupsFollowEveryWayAKeyChanges) {
  // Two records share a key: the first one is found. Reloading a record from an object file whose
  // first line names another key moves the lookup with it, and a table loaded afresh is indexed afresh.
  TestGame game;
  game.settings({{10, "sala"}});
  game.writeLines("jogo.obz", {"anel", "anel", "Bola"});
  game.writeLines("jogo.obx", {"anel", "primeiro", "", "sala", "", "", "", "", "anel", "segundo", "", "sala", "", "", "",
                               "", "Bola", "Bola", "", "jog", "", "", "", ""});
  game.writeLines("Bola.obj", {"Cubo", "Cubo", "um cubo", "mesa"});
  game.write("start.scp", "getnomobj= 1,anel\nreset obj,Bola\nsetlocobj= Cubo,cofre\nsetlocobj= Bola,x\n");
  game.start();
  EXPECT_EQ(game.reg(1), "primeiro");
  EXPECT_EQ(location(game, "Cubo"), "cofre");
  EXPECT_EQ(game.player().session().objects.find("Bola"), -1);
  EXPECT_TRUE(game.traced("   3: setlocobj= Bola <--- este objeto não existe!"));
}

TEST(ObjectIndex, SettingEveryObjectGrowsLinearlyWithTheirCount) {
  // Each lookup scanning the table would make three times the objects cost nine times as long; the
  // factor leaves room for a loaded machine, and each cost is the best of three runs.
  auto millisecondsFor = [](int count) {
    TestGame game;
    game.settings({{10, "sala"}});
    taluvin::Lines catalogue, table, script;
    for (int k = 0; k < count; ++k) {
      const std::string key = "o" + std::to_string(100000 + k);
      catalogue.push_back(key);
      table.insert(table.end(), {key, key, "", "sala", "", "", "", ""});
      script.push_back("setlocobj= " + key + ",jog");
    }
    game.writeLines("jogo.obz", catalogue);
    game.writeLines("jogo.obx", table);
    game.writeLines("move.scp", script);
    game.write("start.scp", "");
    game.start();
    // The thread's own CPU time: other processes on a loaded machine do not count in it.
    auto cpuMicroseconds = [] { return static_cast<qint64>(taluvin::testing::threadCpuSeconds() * 1e6); };
    const qint64 before = cpuMicroseconds();
    game.run("move");
    const qint64 elapsed = std::max<qint64>(cpuMicroseconds() - before, 1);
    EXPECT_EQ(location(game, catalogue.back()), "jog");
    return elapsed;
  };
  auto bestOfThree = [&](int count) {
    qint64 best = millisecondsFor(count);
    for (int again = 0; again < 2; ++again) best = std::min(best, millisecondsFor(count));
    return best;
  };
  const qint64 small = bestOfThree(5000);
  const qint64 large = bestOfThree(15000);
  EXPECT_LT(large, small * 6) << small << " µs for 5,000 objects, " << large << " µs for 15,000";
}
