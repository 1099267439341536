// The model-"2" page: its head, messages split into lines and links, pictures, styled texts, objects.
#include "app/player/player.h"
#include "base/text.h"
#include "present/picture_file.h"
#include "present/web_page_composer.h"
#include "state/game_session.h"
#include "support/test_game.h"

#include <QImage>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;

namespace taluvin {
namespace {

using Lines = std::vector<std::string>;

constexpr size_t kHeadLines = 9;

// The page's lines as UTF-8.
Lines pageLines(TestGame& game) {
  Lines lines;
  for (const std::string& line : game.player().session().PageLines) lines.push_back(cp1252ToUtf8(line));
  return lines;
}

// What the commands added after the page's head.
Lines pageBody(TestGame& game) {
  const Lines lines = pageLines(game);
  if (lines.size() < kHeadLines) return {"(no head: " + std::to_string(lines.size()) + " lines)"};
  return Lines(lines.begin() + kHeadLines, lines.end());
}

std::string folderUrl(TestGame& game) { return game.player().session().FolderUrl; }

void writePicture(TestGame& game, const std::string& name, int width, int height) {
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(Qt::red);
  ASSERT_TRUE(writeBmp(game.folder() + name, image));
}

TEST(WebPageComposer, EachRunStartsAPageWithTheHeadInTheTextStyle) {
  TestGame game;
  game.settings({{15, "Verdana"}, {16, "12"}, {18, "000080"}, {19, "FFFFFF"}, {20, "00FF00"},
                 {21, "FF0000"}, {67, "BxU"}});
  game.write("start.scp", "msg+ antes\nmodo= 2\nmsg+ um\nlinefeed\n");
  game.write("outro.scp", "msg+ dois\n");
  game.write("limpa.scp", "msg+ velho\nclearmsg\nmsg+ novo\n");
  game.start();
  const Lines head = {
      "<!DOCTYPE html>",
      "<head>",
      "<title>Taluvin: jogo</title>",
      "<meta http-equiv=\"X-UA-Compatible\" content=\"ie=edge\">",
      "</head>",
      "<body bgcolor=#000080 text=#FFFFFF link=#00FF00 vlink=#FF0000",
      " alink=#FFFF00 leftmargin=10 topmargin=0 marginwidth=0 marginheight=0 >",
      "<div style=\"margin-right:10px;\">",
      "<font face=\"Verdana\" color=#FFFFFF style=\"font-size:18px; \"><b><u>",
  };
  // What came before "modo=" went to the picture model's strip, not to the page.
  Lines expected = head;
  expected.insert(expected.end(), {"um", "<br>"});
  EXPECT_EQ(pageLines(game), expected);
  EXPECT_EQ(game.player().webPage().closingTags(), "</b></u>");

  // The next run, with the page shown, starts a page of its own.
  game.run("outro");
  expected = head;
  expected.push_back("dois");
  EXPECT_EQ(pageLines(game), expected);
  game.run("limpa");
  expected = head;
  expected.push_back("novo");
  EXPECT_EQ(pageLines(game), expected);
}

TEST(WebPageComposer, AGameOpenedOnThePageStartsItWithItsFirstRun) {
  TestGame game;
  game.settings({{26, "2"}, {15, "Arial"}, {16, "9"}, {18, "FFFFFF"}, {19, "000000"}, {67, "xIx"}});
  game.write("start.scp", "msg+ oi\n");
  game.start();
  const Lines lines = pageLines(game);
  ASSERT_EQ(lines.size(), kHeadLines + 1);
  EXPECT_EQ(lines[8], "<font face=\"Arial\" color=#000000 style=\"font-size:13px; \"><em>");
  EXPECT_EQ(lines[9], "oi");
  EXPECT_EQ(game.player().webPage().closingTags(), "</em>");
}

TEST(WebPageComposer, MessagesBreakIntoLinesAndTurnMarkedPiecesIntoLinks) {
  TestGame game;
  game.settings({});
  game.write("start.scp",
             "modo= 2\n"
             "msg= Olá§mundo ~ @porta|sala| e @ver.png|mapa| fim\n"
             "msg= @sozinho|sala|\n"
             "msg=   só um   \n"
             "msg= abre @caixa|cofre fechado\n"
             "msg+ a@b|c| d§e\n"
             "'Era uma vez\n"
             "um @rei|trono| feliz'\n"
             "msg+ fim\n");
  game.start();
  EXPECT_EQ(pageBody(game), (Lines{
                                // A word holding a break ends the line before it, even an empty one.
                                "",
                                "Olá<br>mundo &nbsp; <a href=Scp=sala>porta</a> e "
                                "<a href=Scp=mapa><img src=jogo/ver.png border=0></a> fim",
                                // Links are looked for only while a blank is left.
                                "@sozinho|sala|",
                                "só um",
                                // A link without its closing bar takes the rest as its script.
                                "abre <a href=Scp=cofre fechado>caixa</a>",
                                "a@b|c| d<br>e",
                                "Era uma vez um <a href=Scp=trono>rei</a> feliz",
                                "fim",
                            }));
  EXPECT_TRUE(game.traced("   5: msg+ a@b|c..."));
}

TEST(WebPageComposer, ALongMessageIsComposedInOnePass) {
  TestGame game;
  std::string words;
  for (int i = 0; i < 150000; ++i) words += "ab ";
  game.writeLines("jogo.rgs", {"", words + "@fim|sala| ."});
  game.write("start.scp", "modo= 2\nmsg= #1\n");
  game.start();
  // Cutting each word off a copy of the rest would copy the text once per word, some 70 GB here.
  const Lines body = pageBody(game);
  ASSERT_EQ(body.size(), 1u);
  EXPECT_EQ(body[0], words + "<a href=Scp=sala>fim</a> .");
}

TEST(WebPageComposer, PicturesAndPictureLinksShareOneImageLine) {
  TestGame game;
  game.settings({{51, "200"}, {52, "150"}});
  writePicture(game, "cena.bmp", 30, 20);
  writePicture(game, "larga.bmp", 300, 10);
  game.write("start.scp",
             "modo= 2\n"
             "display= cena.bmp,tel,0,0\n"
             "display= cena.bmp,tel,0,0,40,,center,a,b\n"
             "display= cena.bmp,tel,0,0,,,left\n"
             "display= cena.bmp,fnc,0,0\n"
             "linktel= cena.bmp,sala,,,right\n"
             "linktel= cena.bmp,sala,5,6,center\n"
             "linktel= cena.bmp,,,,middle\n"
             "linktel= larga.bmp,sala,50,60\n"
             "linktel= sumida.bmp,sala\n");
  game.start();
  const std::string img = "<img src=" + folderUrl(game);
  EXPECT_EQ(pageBody(game), (Lines{
                                img + "cena.bmp width=30 height=20 border=0 >",
                                "<div align=center>" + img + "cena.bmp width=40 height=20 border=0 ></div>",
                                img + "cena.bmp width=30 height=20 border=0 align=left>",
                                "<a href=Scp=sala>" + img + "cena.bmp width=30 height=20 border=0 align=right></a>",
                                "<div align=center><a href=Scp=sala>" + img +
                                    "cena.bmp width=5 height=6 border=0 ></div></a>",
                                img + "cena.bmp width=30 height=20 border=0 >",
                                // Wider than the game screen: narrowed to it, its height left to the browser.
                                "<a href=Scp=sala>" + img + "larga.bmp width=200 border=0 ></a>",
                            }));
  EXPECT_TRUE(game.traced("   1: display= cena.bmp,tel,0,0, width=30, height=20,,,"));
  EXPECT_TRUE(game.traced("   2: display= cena.bmp,tel,0,0, width=40, height=20,center,a,b"));
  EXPECT_TRUE(game.traced("   9: linktel= sumida.bmp <--- arquivo não existe"));
}

TEST(WebPageComposer, TextsAndTextLinksTakeTheirStyleOnThePage) {
  TestGame game;
  game.settings({{10, "praça"}, {15, "Arial"}, {16, "10"}, {19, "112233"}, {67, "BI"}});
  game.write("start.scp",
             "modo= 2\n"
             "display= Olá~você,tel,0,0,,,14,FF0000,BxU\n"
             "display= oi,tel\n"
             "display= painel,fnc,0,0\n"
             "linktel= Entrar§já,sala\n"
             "linktel= Nada\n"
             "fonte= Courier,20,445566,,,sim\n"
             "linktel= Sair,@pos\n");
  game.start();
  EXPECT_EQ(pageBody(game),
            (Lines{
                "<font face=Arial color=#FF0000 style=\"font-Size:14px; \"><b><u>Olá&nbsp;você</u></b></font>",
                "<font face=Arial color=#112233 style=\"font-Size:10px; \">oi</font>",
                "<font face=Arial color=#112233 style=\"Font-Size:10\"><b><em><a href=Scp=sala>Entrar<br>já"
                "</em></b></font></a>",
                "<font face=Arial color=#112233 style=\"Font-Size:10\"><b><em>Nada</em></b></font>",
                "<font face=Courier color=#445566 style=\"Font-Size:20\"><u><a href=Scp=praça>Sair</u></font></a>",
            }));
}

TEST(WebPageComposer, ObjectsShowAsTitlesDescriptionsShapesGridsAndListedLinks) {
  TestGame game;
  game.settings({{10, "sala"}});
  game.writeLines("jogo.obz", {"anel", "Lamp", "Bola", "Chave"});
  game.writeLines("jogo.obx", {
                                  "anel", "Anel~de~ouro", "um anel", "sala", "anel.png", "", "", "",
                                  "Lamp", "Lâmpada", "uma lâmpada", "sala", "lamp.png", "", "", "",
                                  "Bola", "Bola", "uma bola", "sala", "bola.png", "", "", "",
                                  "Chave", "Chave", "uma chave", "jog", "chave.png", "", "", "",
                              });
  game.write("start.scp",
             "modo= 2\n"
             "showobj= anel,tit,msg,,00FF00\n"
             "showobj= anel,dsc\n"
             "showobj= anel,shp,tel,left,,50\n"
             "showobj= Bola,shp,tel,,,x,y\n"
             "dispobj= sala,tel,10,20,100,60,2\n"
             "dispobj= sala,fnc,0,0,100,60,2\n"
             "lstobjlnk 7,sala\n"
             "msg+ #7\n");
  game.start();
  const std::string url = folderUrl(game);
  const Lines expected = {
      "<font color=#00FF00 style=\"font-size:1.3em; \">Anel&nbsp;de&nbsp;ouro</font>",
      "um anel<br>",
      "<img src=" + url + "anel.png width=50 height=180 border=0 align=left>",
      "<img src=" + url + "bola.png width=180 height=180 border=0 >",
      "<div style=\"width:100px; height:60px; position:absolute; top:20px; left:10px;\">",
      "<a href=Scp=anel><img src=" + url + "anel.png width=50 height=50 border=0 ></a>",
      "<a href=Scp=Lamp><img src=" + url + "lamp.png width=50 height=50 border=0 ></a>",
      "<br>",
      "<a href=Scp=Bola><img src=" + url + "bola.png width=50 height=50 border=0 ></a>",
      "</div>",
      "<a href=Scp=Bola>uma bola</a>, <a href=Scp=Lamp>uma lâmpada</a> e <a href=Scp=anel>um anel</a>.",
  };
  EXPECT_EQ(pageBody(game), expected);
  EXPECT_EQ(game.reg(7), expected.back());
}

}  // namespace
}  // namespace taluvin
