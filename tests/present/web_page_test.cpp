// The model-"2" page at the end of a run: tmp.htm, the view WebB, its colours, and following its links.
#include "app/replay/replay_links.h"
#include "base/text.h"
#include "interact/page_links.h"
#include "present/web_page_composer.h"
#include "present/web_page_view.h"
#include "state/game_session.h"
#include "state/state_writer.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;
using taluvin::testing::screenOf;

namespace taluvin {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

QTextBrowser* view(TestGame& game) { return screenOf(game).web().browser(); }

Lines pageFile(TestGame& game) {
  StateWriter::instance().drain();
  return game.readLines("tmp.htm");
}

// The first piece of the shown page that is a link to href, or an invalid fragment.
QTextFragment linkFragment(TestGame& game, const QString& href) {
  for (QTextBlock block = view(game)->document()->begin(); block.isValid(); block = block.next())
    for (auto piece = block.begin(); !piece.atEnd(); ++piece)
      if (piece.fragment().charFormat().anchorHref() == href) return piece.fragment();
  return {};
}

// A picture the view draws as nothing: not empty (the view would then open the name itself), and
// every pixel transparent.
bool drawsNothing(const QImage& image) {
  if (image.isNull()) return false;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y).alpha() != 0) return false;
  return true;
}

QTextFragment fragmentWith(TestGame& game, const QString& text) {
  for (QTextBlock block = view(game)->document()->begin(); block.isValid(); block = block.next())
    for (auto piece = block.begin(); !piece.atEnd(); ++piece)
      if (piece.fragment().text().contains(text)) return piece.fragment();
  return {};
}

// A press and release of the left button on the link, as the player's click reaches the view.
void clickLink(TestGame& game, const QString& href) {
  const QTextFragment fragment = linkFragment(game, href);
  ASSERT_TRUE(fragment.isValid()) << "no link to " << href.toStdString();
  QTextCursor cursor(view(game)->document());
  cursor.setPosition(fragment.position() + 1);
  const QPoint at = view(game)->cursorRect(cursor).center() - QPoint(2, 0);
  QWidget* target = view(game)->viewport();
  const QPointF global = target->mapToGlobal(QPointF(at));
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, QPointF(at), global, Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  }
}

void writePageGame(TestGame& game) {
  game.settings({{15, "Arial"}, {16, "10"}, {18, "000080"}, {19, "FFFFFF"}, {20, "00FF00"}, {21, "FF0000"},
                 {67, "BxU"}});
  game.write("start.scp", "modo= 2\nmsg= Você vê @uma porta|sala2&Prm=chave&Prx=10| e nada mais\n");
  game.write("sala2.scp", "msg+ Sala dois\n");
}

TEST(WebPage, EachRunInTheModelWritesTmpHtmWholeAndShowsItInWebB) {
  TestGame game;
  writePageGame(game);
  game.start();
  const auto& session = game.player().session();

  // The file is the composed page and its tail, the closing tags in the order the head opened them.
  Lines expected;
  for (const std::string& line : session.PageLines) expected.push_back(cp1252ToUtf8(line));
  expected.insert(expected.end(), {"</b></u>", "</font></div>", "</html>", "</body>"});
  EXPECT_EQ(pageFile(game), expected);
  const std::string bytes = game.read("tmp.htm");
  EXPECT_NE(bytes.find("Você vê <a href=Scp=sala2&Prm=chave&Prx=10>uma porta</a> e nada mais\r\n"),
            std::string::npos)
      << bytes;
  EXPECT_EQ(bytes.substr(bytes.size() - 9), "</body>\r\n");

  // The view shows the page's text, its link keeping the whole address.
  EXPECT_TRUE(view(game)->toPlainText().contains(QString::fromUtf8("Você vê uma porta e nada mais")))
      << view(game)->toPlainText().toStdString();
  EXPECT_TRUE(linkFragment(game, "Scp=sala2&Prm=chave&Prx=10").isValid()) << view(game)->toHtml().toStdString();

  // The next run's page replaces the file and the view, and keeps no line of the first one.
  game.run("sala2");
  const Lines second = pageFile(game);
  ASSERT_GE(second.size(), 5u);
  EXPECT_EQ(second[second.size() - 5], "Sala dois");
  EXPECT_EQ(std::count(second.begin(), second.end(), "</html>"), 1);
  EXPECT_TRUE(view(game)->toPlainText().contains("Sala dois"));
  EXPECT_FALSE(view(game)->toPlainText().contains("porta"));
  // No temporary is left beside it.
  for (const auto& entry : fs::directory_iterator(game.folder()))
    EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
}

TEST(WebPage, OtherModelsAndAFileLeadingOutOfTheFolderWriteNoPage) {
  TestGame game;
  game.write("start.scp", "msg= Nada de página\n");
  game.write("pagina.scp", "modo= 2\nmsg= Uma página\n");
  game.start();
  StateWriter::instance().drain();
  EXPECT_FALSE(game.exists("tmp.htm")) << "the picture model has no page file";

  // A tmp.htm that is a link to a file beside the game is neither followed nor replaced.
  const fs::path outside = fs::path(game.beside()) / "fora.htm";
  std::ofstream(outside) << "antes";
  fs::create_symlink(outside, fs::path(game.folder()) / "tmp.htm");
  game.run("pagina");
  StateWriter::instance().drain();
  std::ifstream in(outside);
  std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(kept, "antes");
  EXPECT_TRUE(fs::is_symlink(fs::path(game.folder()) / "tmp.htm"));
  // The player sees the page all the same.
  EXPECT_TRUE(view(game)->toPlainText().contains(QString::fromUtf8("Uma página")));
}

TEST(WebPage, AClickedLinkRunsItsScriptWithItsParameters) {
  TestGame game;
  writePageGame(game);
  game.start();
  EXPECT_FALSE(view(game)->openLinks());

  clickLink(game, "Scp=sala2&Prm=chave&Prx=10");
  const auto& session = game.player().session();
  EXPECT_TRUE(game.traced("Executando script: sala2.scp"));
  EXPECT_EQ(session.Script, "sala2");
  EXPECT_EQ(session.Prm, "chave");
  EXPECT_EQ(session.Prx, "10");
  EXPECT_EQ(session.Pry, "");
  // The view stayed on the game's page: the followed link's run made it.
  EXPECT_TRUE(view(game)->source().isEmpty());
  EXPECT_TRUE(view(game)->toPlainText().contains("Sala dois"));
}

TEST(WebPage, AQuoteTextsLinkReachesTheLinkProtocolWhole) {
  // "#lnk" writes "<a href= " + the folder's address + "Scp=" + script, unquoted and after a blank.
  EXPECT_EQ(quotedAttributes("<a href= file:///j/Scp=sala2&Pry=9>ir</a><a href =x title= \"t\">"),
            "<a href=\"file:///j/Scp=sala2&amp;Pry=9\">ir</a><a href=\"x\" title= \"t\">");

  TestGame game;
  game.write("start.scp", "modo= 2\n'Você pode\n#lnk,sala2&Pry=9,ir à sala\nagora.'\nfim\n");
  game.write("sala2.scp", "msg+ Sala dois\n");
  game.start();
  const auto& session = game.player().session();
  const QString href = QString::fromStdString(session.FolderUrl + "Scp=sala2&Pry=9");
  ASSERT_TRUE(linkFragment(game, href).isValid()) << view(game)->toHtml().toStdString();
  clickLink(game, href);
  EXPECT_TRUE(game.traced("Executando script: sala2.scp"));
  EXPECT_EQ(session.Script, "sala2");
  EXPECT_EQ(session.Pry, "9");
  EXPECT_FALSE(game.traced("Link not followed (no script or web address in it): " + session.FolderUrl + "Scp"));
}

TEST(WebPage, AddressesWithoutAScriptStartNothing) {
  TestGame game;
  writePageGame(game);
  game.start();
  game.clearTrace();
  auto follow = [&](const char* address) { emit view(game)->anchorClicked(QUrl(address)); };

  // The page file itself, with or without the mark, is no script.
  follow("file:///tmp/jogo/tmp.htm");
  follow("Scp=tmp.htm");
  EXPECT_FALSE(game.traced("Executando script: tmp.htm.scp"));
  EXPECT_EQ(game.player().session().Script, "start");
  // A web address leaves for the desktop's browser (recorded, without a desktop).
  follow("https://example.org/ajuda");
  EXPECT_EQ(game.player().session().zones.openedAddresses, Lines{"https://example.org/ajuda"});
  // Anything else is said and left.
  follow("mailto:alguem");
  EXPECT_TRUE(game.traced("Link not followed (no script or web address in it): mailto:alguem"));
  EXPECT_EQ(game.player().session().Script, "start");
  EXPECT_TRUE(view(game)->toPlainText().contains("porta")) << "the page stays";
}

TEST(WebPage, TheBodysColoursBecomeTheViewsOwn) {
  const QString body = "<body bgcolor=#000080 text=#FFFFFF link=#00FF00 vlink=#FF0000\r\n alink=#FFFF00 >";
  const BodyColours colours = readBodyColours(body);
  EXPECT_EQ(colours.background, "000080");
  EXPECT_EQ(colours.text, "FFFFFF");
  EXPECT_EQ(colours.link, "00FF00") << "not the alink or vlink";
  EXPECT_EQ(colours.visited, "FF0000");
  EXPECT_EQ(bodyStyleSheet(colours).toStdString(),
            "body { background-color:#000080; color:#FFFFFF; }\na { color:#00FF00; }\n");
  EXPECT_EQ(bodyStyleSheet(readBodyColours("<body>")), "");

  TestGame game;
  writePageGame(game);
  game.write("start.scp", "modo= 2\nmsg= Texto @uma porta|sala2|\ndispobj= sala,tel,30,40,100,50,2\n");
  game.start();
  QTextBrowser* web = view(game);
  EXPECT_EQ(web->palette().color(QPalette::Base), QColor("#000080"));
  EXPECT_EQ(web->palette().color(QPalette::Link), QColor("#00FF00"));
  const QTextFragment link = linkFragment(game, "Scp=sala2");
  ASSERT_TRUE(link.isValid());
  EXPECT_EQ(link.charFormat().foreground().color(), QColor("#00FF00")) << "links in the link colour";
  const QTextFragment text = fragmentWith(game, "Texto");
  ASSERT_TRUE(text.isValid());
  EXPECT_EQ(text.charFormat().foreground().color(), QColor("#FFFFFF"));

  // The object grid's absolute place becomes a block in the flow, as far from the left.
  EXPECT_EQ(inFlowPositions("<div style=\"width:100px; height:50px; position:absolute; top:40px; left:30px;\">"),
            "<div style=\"width:100px; height:50px; margin-left:30px;\">");
  EXPECT_FALSE(web->toHtml().contains("absolute"));

  // The empty page of "modo= 2" is in the background colour, yellow text and links.
  screenOf(game).web().showEmptyPage("804000");
  EXPECT_EQ(web->palette().color(QPalette::Base), QColor("#804000"));
  EXPECT_EQ(web->palette().color(QPalette::Text), QColor("#FFFF00"));
  EXPECT_EQ(web->toPlainText(), "");
}

TEST(WebPage, TheViewReadsBareAddressesWholeAndPicturesOnlyFromTheGameFolder) {
  // Its parser would end a bare "Scp=…" at the "=" and read "&Prm" as a character name.
  EXPECT_EQ(quotedAttributes("<a href=Scp=sala&Prm=a=b>x=y</a><font color=# face=\"A\" size=3>"),
            "<a href=\"Scp=sala&amp;Prm=a=b\">x=y</a><font face=\"A\" size=\"3\">");

  TestGame game;
  game.write("start.scp", "modo= 2\nmsg= Um quadro\n");
  QImage picture(4, 3, QImage::Format_RGB888);
  picture.fill(Qt::blue);
  ASSERT_TRUE(picture.save(QString::fromStdString(game.folder() + "quadro.bmp")));
  ASSERT_TRUE(picture.save(QString::fromStdString(game.beside() + "/fora.bmp")));
  game.start();
  QTextDocument* page = view(game)->document();
  auto image = [&](const QUrl& url) { return page->resource(QTextDocument::ImageResource, url).value<QImage>(); };
  const std::string folderUrl = game.player().session().FolderUrl;
  EXPECT_EQ(image(QUrl(QString::fromStdString(folderUrl + "quadro.bmp"))).size(), QSize(4, 3));
  EXPECT_EQ(image(QUrl("quadro.bmp")).size(), QSize(4, 3)) << "a name beside the page file";
  // Refused, each is a picture that draws nothing: the document reads no file of its own then.
  EXPECT_TRUE(drawsNothing(image(QUrl::fromLocalFile(QString::fromStdString(game.beside() + "/fora.bmp")))));
  EXPECT_TRUE(drawsNothing(image(QUrl(QString::fromStdString(folderUrl + "../fora.bmp")))));
  EXPECT_TRUE(drawsNothing(image(QUrl("../fora.bmp"))));
  EXPECT_TRUE(drawsNothing(image(QUrl("falta.bmp")))) << "a picture the folder lacks";
}

TEST(WebPage, NoPictureFromOutsideTheFolderIsShownHoweverThePageNamesIt) {
  TestGame game;
  game.settings({{18, "FFFFFF"}, {19, "000000"}});
  QImage red(24, 24, QImage::Format_RGB32);
  red.fill(Qt::red);
  QImage blue(24, 24, QImage::Format_RGB32);
  blue.fill(Qt::blue);
  const fs::path here = fs::current_path();
  fs::create_directories(here / "fora");
  ASSERT_TRUE(red.save(QString::fromStdString((here / "fora" / "vermelho.png").string())));
  ASSERT_TRUE(red.save(QString::fromStdString(game.beside() + "vermelho.png")));
  ASSERT_TRUE(blue.save(QString::fromStdString(game.folder() + "azul.png")));
  fs::create_symlink(game.beside() + "vermelho.png", game.folder() + "ligado.png");
  std::ofstream(game.beside() + "vermelho.css") << "p, td { background-color: #ff0000; }";
  // An absolute path, a file address, names climbing out through the working folder, a name only
  // the working folder holds, and a link in the folder leading out of it; a style sheet is never
  // read. The one picture inside the folder is shown.
  const std::string cwdName = here.filename().string();
  game.write("start.scp", "modo= 2\n"
                          "msg+ <link rel=stylesheet type=text/css href=\"" + game.beside() + "vermelho.css\"/>\n"
                          "msg+ <p>um parágrafo</p>\n"
                          "msg+ <img src=\"" + game.beside() + "vermelho.png\">\n"
                          "msg+ <img src=\"file://" + game.beside() + "vermelho.png\">\n"
                          "msg+ <img src=\"../" + cwdName + "/fora/vermelho.png\">\n"
                          "msg+ <img src=fora/vermelho.png width=24 height=24>\n"
                          "msg+ <img src=ligado.png><img src=azul.png>\n"
                          "msg+ <table background=\"" + game.beside() + "vermelho.png\"><tr><td>x</td></tr></table>\n");
  game.start();
  QTextBrowser* web = view(game);
  ASSERT_TRUE(web->toHtml().contains("azul.png")) << web->toHtml().toStdString();
  const QImage shown = web->viewport()->grab().toImage();
  int reds = 0, blues = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) {
      const QColor c = shown.pixelColor(x, y);
      reds += c == QColor(Qt::red);
      blues += c == QColor(Qt::blue);
    }
  EXPECT_EQ(reds, 0);
  EXPECT_EQ(blues, 24 * 24);
}

TEST(WebPage, ReplayFollowsTheFirstLinkShowingItsText) {
  TestGame game;
  game.settings({{18, "000000"}, {19, "FFFFFF"}});
  game.write("start.scp",
             "modo= 2\nmsg= Ir à @sala grande|grande| ou à @sala~pequena|pequena&Pry=3| e @livro.png|livro| aqui\n");
  for (const char* room : {"grande", "pequena", "livro"}) game.write(std::string(room) + ".scp", "msg+ ok\n");
  game.start();

  auto link = [&](const std::string& text) {
    return replayLink(game.player(), ReplayStep{0, "link", {text}, text});
  };
  // A hard space reads as a blank, and the text may be part of the link's.
  EXPECT_EQ(link("sala pequena").error, "");
  EXPECT_EQ(game.player().session().Script, "pequena");
  EXPECT_EQ(game.player().session().Pry, "3");

  game.run("start");
  EXPECT_EQ(link("sala").error, "");
  EXPECT_EQ(game.player().session().Script, "grande") << "the first link holding the text";
  game.run("start");
  EXPECT_EQ(link("livro.png").error, "") << "a picture link reads as its picture's name";
  EXPECT_EQ(game.player().session().Script, "livro");
  game.run("start");
  EXPECT_EQ(link("Sala").error, "no link showing 'Sala' in WebB") << "letter case counts";
}

// The body tag reader as a regular expression, kept here as the reference the scanner must match.
BodyColours bodyColoursByPattern(const QString& html) {
  static const QRegularExpression body("<body\\b[^>]*>", QRegularExpression::CaseInsensitiveOption);
  const QString tag = body.match(html).captured(0);
  const auto attribute = [&tag](const QString& name) {
    const QRegularExpression pattern("(?<![A-Za-z])" + name + "\\s*=\\s*[\"']?#?([0-9A-Fa-f]{6})",
                                     QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(tag);
    return match.hasMatch() ? match.captured(1).toUpper().toStdString() : std::string();
  };
  return {attribute("bgcolor"), attribute("text"), attribute("link"), attribute("vlink")};
}


TEST(WebPage, TheBodyTagScannerReadsWhatThePatternReads) {
  const QStringList pieces = {"<body", "<BODY", "<bodyx", "<b", ">", " ", "\t", "\r\n", "=", "\"", "'", "#",
                              "bgcolor", "TEXT", "link", "vlink", "alink", "xlink", "Link", "00ff00", "ABCDEF",
                              "12345", "g", "9", "<p>", "text=", "link =#", "é"};
  QRandomGenerator random(14);
  for (int i = 0; i < 20000; ++i) {
    QString html;
    const int count = random.bounded(1, 16);
    for (int k = 0; k < count; ++k) html += pieces[random.bounded(int(pieces.size()))];
    const auto scanned = readBodyColours(html);
    const auto expected = bodyColoursByPattern(html);
    ASSERT_EQ(scanned.background, expected.background) << html.toStdString();
    ASSERT_EQ(scanned.text, expected.text) << html.toStdString();
    ASSERT_EQ(scanned.link, expected.link) << html.toStdString();
    ASSERT_EQ(scanned.visited, expected.visited) << html.toStdString();
  }
  EXPECT_EQ(readBodyColours("<body link = '#00ff00' vlink=#ff0000>").link, "00FF00");
  EXPECT_EQ(readBodyColours("<body link=#00ff00").link, "") << "a tag never closed is no tag";
}

// Bare attribute values put in quotes by regular expressions, kept as the reference the scanner must match.
QString quotedAttributesByPattern(const QString& html) {
  static const QRegularExpression tag("<[A-Za-z][^>]*>");
  static const QRegularExpression bare("(\\s[A-Za-z-]+)\\s*=\\s*([^\\s\"'>]+)");
  QString result;
  qsizetype done = 0;
  for (auto tags = tag.globalMatch(html); tags.hasNext();) {
    const auto match = tags.next();
    result += html.mid(done, match.capturedStart() - done);
    QString quoted;
    const QString text = match.captured(0);
    qsizetype copied = 0;
    for (auto values = bare.globalMatch(text); values.hasNext();) {
      const auto value = values.next();
      QString escaped = value.captured(2);
      escaped.replace("&", "&amp;");
      quoted += text.mid(copied, value.capturedStart() - copied);
      if (escaped != "#") quoted += value.captured(1) + "=\"" + escaped + "\"";
      copied = value.capturedEnd();
    }
    result += quoted + text.mid(copied);
    done = match.capturedEnd();
  }
  return result + html.mid(done);
}

TEST(WebPage, TheAttributeQuoterWritesWhatThePatternsWrite) {
  const QStringList pieces = {"<a", "<font", "<1", "<", ">", " ", "\t", "\r\n", "\v", "=", "\"", "'", "#", "&",
                              "href", "color", "data-x", "-", "x_y", "Scp=sala", "Prm=a=b", "00ff00", "é", "<p>",
                              " size=3", " face=A&B", "=#", "==", " = ", "= ", " =", "href= file:///j/Scp=a&Pry=9"};
  QRandomGenerator random(15);
  for (int i = 0; i < 20000; ++i) {
    QString html;
    const int count = random.bounded(1, 18);
    for (int k = 0; k < count; ++k) html += pieces[random.bounded(int(pieces.size()))];
    ASSERT_EQ(quotedAttributes(html), quotedAttributesByPattern(html)) << html.toStdString();
  }
}

}  // namespace
}  // namespace taluvin
