// The web view of model "2": pages shown with their body's colours, pictures read from the game's folder.
#include "present/web_page_view.h"

#include "base/text.h"
#include "present/picture_cache.h"
#include "present/shown_text.h"
#include "present/web_page_composer.h"
#include "state/game_paths.h"
#include "state/game_session.h"

#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <vector>

namespace taluvin {

namespace {

// A browser that reads pictures only through the game's resolver: a page names them relative to
// its own folder or by the folder's address, and nothing outside the folder is ever opened.
class PageBrowser : public QTextBrowser {
 public:
  PageBrowser(QWidget* parent, const GameSession& session) : QTextBrowser(parent), session_(session) {}

  // Every picture asked for is answered with one: a refused, missing or unreadable name gets a
  // picture that draws nothing. Given nothing, or an empty picture, the document opens the name
  // itself as a path, wherever it leads. Nothing else (style sheets) is read: an empty text.
  QVariant loadResource(int type, const QUrl& url) override {
    if (type != QTextDocument::ImageResource) return QVariant(QString());
    const std::string name = session_.GameFolder.empty() ? std::string() : nameInFolder(url);
    const auto path = name.empty() ? std::nullopt : session_.resolveName(name);
    if (!path) return QVariant(drawsNothing());
    PictureLoad picture = pictureCache().load(*path, name);
    return QVariant(picture.ok() && !picture.image.isNull() ? picture.image : drawsNothing());
  }

 private:
  // The name inside the game folder a picture address stands for; empty when it lies elsewhere.
  std::string nameInFolder(const QUrl& url) const {
    const std::string folderUrl = cp1252ToUtf8(session_.FolderUrl);
    const std::string address = url.toString(QUrl::FullyEncoded).toStdString();
    std::string name;
    if (address.rfind(folderUrl, 0) == 0) {
      name = address.substr(folderUrl.size());
    } else if (url.isRelative() && !url.path().startsWith('/')) {
      name = url.toString(QUrl::FullyEncoded).toStdString();
    } else {
      return {};
    }
    return fromQt(QUrl::fromPercentEncoding(QByteArray::fromStdString(name)));
  }

  static const QImage& drawsNothing() {
    static const QImage nothing = [] {
      QImage image(1, 1, QImage::Format_ARGB32);
      image.fill(Qt::transparent);
      return image;
    }();
    return nothing;
  }

  const GameSession& session_;
};

bool isAsciiLetter(QChar c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isWordChar(QChar c) { return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_'; }
bool isBlank(QChar c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool isHexDigit(QChar c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Scanned by hand: every page shown reads its body tag, and regular expressions built per page cost
// more than the rest of an empty page.
std::string attribute(QStringView tag, QStringView name) {
  for (qsizetype at = tag.indexOf(name, 0, Qt::CaseInsensitive); at >= 0;
       at = tag.indexOf(name, at + 1, Qt::CaseInsensitive)) {
    // "link" is not the end of "vlink" or "alink".
    if (at > 0 && isAsciiLetter(tag[at - 1])) continue;
    qsizetype i = at + name.size();
    while (i < tag.size() && isBlank(tag[i])) ++i;
    if (i == tag.size() || tag[i] != '=') continue;
    ++i;
    while (i < tag.size() && isBlank(tag[i])) ++i;
    if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) ++i;
    if (i < tag.size() && tag[i] == '#') ++i;
    if (i + 6 > tag.size()) continue;
    const QStringView digits = tag.mid(i, 6);
    if (std::all_of(digits.begin(), digits.end(), isHexDigit)) return digits.toString().toUpper().toStdString();
  }
  return {};
}

// The first "<body" tag, up to its ">"; empty when there is none.
QStringView bodyTag(QStringView html) {
  for (qsizetype at = html.indexOf(u"<body", 0, Qt::CaseInsensitive); at >= 0;
       at = html.indexOf(u"<body", at + 1, Qt::CaseInsensitive)) {
    const qsizetype after = at + 5;
    if (after < html.size() && isWordChar(html[after])) continue;
    const qsizetype end = html.indexOf(u'>', after);
    if (end < 0) return {};
    return html.mid(at, end + 1 - at);
  }
  return {};
}

QColor colourOf(const std::string& rrggbb) { return QColor(QString::fromStdString("#" + rrggbb)); }

}  // namespace

BodyColours readBodyColours(const QString& html) {
  const QStringView tag = bodyTag(html);
  if (tag.isEmpty()) return {};
  return {attribute(tag, u"bgcolor"), attribute(tag, u"text"), attribute(tag, u"link"), attribute(tag, u"vlink")};
}

QString bodyStyleSheet(const BodyColours& colours) {
  QString sheet;
  QString body;
  if (!colours.background.empty()) body += QString(" background-color:#%1;").arg(colours.background.c_str());
  if (!colours.text.empty()) body += QString(" color:#%1;").arg(colours.text.c_str());
  if (!body.isEmpty()) sheet += "body {" + body + " }\n";
  if (!colours.link.empty()) sheet += QString("a { color:#%1; }\n").arg(colours.link.c_str());
  return sheet;
}

QString inFlowPositions(QString html) {
  static const QRegularExpression absolute(
      "position\\s*:\\s*absolute\\s*;?\\s*top\\s*:\\s*-?\\d+px\\s*;?\\s*left\\s*:\\s*(-?\\d+)px\\s*;?",
      QRegularExpression::CaseInsensitiveOption);
  return html.replace(absolute, "margin-left:\\1px;");
}

namespace {

bool isNameChar(QChar c) { return isAsciiLetter(c) || c == '-'; }
bool endsBareValue(QChar c) { return isBlank(c) || c == '"' || c == '\'' || c == '>'; }

// One tag's bare values (` name=value`, the value without quotes, blanks allowed around the "=")
// put in quotes, ampersands escaped. A quote text's link is written "<a href= " + address, and an
// address left bare would reach the parser with the blank before it.
void appendQuotedTag(QString& out, QStringView tag) {
  qsizetype copied = 0;
  qsizetype i = 0;
  while (i < tag.size()) {
    if (!isBlank(tag[i])) {
      ++i;
      continue;
    }
    qsizetype nameEnd = i + 1;
    while (nameEnd < tag.size() && isNameChar(tag[nameEnd])) ++nameEnd;
    qsizetype equals = nameEnd;
    while (equals < tag.size() && isBlank(tag[equals])) ++equals;
    if (nameEnd == i + 1 || equals >= tag.size() || tag[equals] != '=') {
      ++i;
      continue;
    }
    qsizetype valueStart = equals + 1;
    while (valueStart < tag.size() && isBlank(tag[valueStart])) ++valueStart;
    qsizetype valueEnd = valueStart;
    while (valueEnd < tag.size() && !endsBareValue(tag[valueEnd])) ++valueEnd;
    if (valueEnd == valueStart) {
      ++i;
      continue;
    }
    const QStringView value = tag.sliced(valueStart, valueEnd - valueStart);
    out += tag.sliced(copied, i - copied);
    // A colour left empty in the settings ("color=#") is no colour: the page's own stays.
    if (value != u"#") {
      out += tag.sliced(i, nameEnd - i);
      out += u"=\"";
      for (const QChar c : value) {
        if (c == '&')
          out += u"&amp;";
        else
          out += c;
      }
      out += u'"';
    }
    copied = i = valueEnd;
  }
  out += tag.sliced(copied);
}

}  // namespace

QString quotedAttributes(const QString& html) {
  // Tags are "<", a letter, and everything up to the next ">"; a tag never closed is text.
  QString result;
  result.reserve(html.size() + html.size() / 8);
  qsizetype done = 0;
  qsizetype at = 0;
  while ((at = html.indexOf(u'<', at)) >= 0) {
    if (at + 1 >= html.size() || !isAsciiLetter(html[at + 1])) {
      ++at;
      continue;
    }
    const qsizetype close = html.indexOf(u'>', at + 1);
    if (close < 0) break;
    result += QStringView(html).sliced(done, at - done);
    appendQuotedTag(result, QStringView(html).sliced(at, close + 1 - at));
    done = at = close + 1;
  }
  result += QStringView(html).sliced(done);
  return result;
}

namespace {

constexpr qsizetype kLongWord = 1024;
constexpr qsizetype kWordPiece = 128;
constexpr char16_t kZeroWidthSpace = 0x200B;
// A character name ("&nbsp;") is one character of the word, and never split.
constexpr qsizetype kLongestCharacterName = 32;

bool startsTag(QStringView html, qsizetype at) {
  if (html[at] != '<' || at + 1 >= html.size()) return false;
  const QChar next = html[at + 1];
  return isAsciiLetter(next) || next == '/' || next == '!' || next == '?';
}

// The element a tag names, without its "<" or "</".
QStringView tagName(QStringView tag) {
  qsizetype from = 1;
  if (from < tag.size() && tag[from] == '/') ++from;
  qsizetype to = from;
  while (to < tag.size() && (isWordChar(tag[to]) || tag[to] == '-')) ++to;
  return tag.sliced(from, to - from);
}

bool endsLine(QStringView name) {
  static const char16_t* const kBlocks[] = {u"br", u"p",  u"div", u"li", u"tr", u"td", u"th", u"table", u"hr",
                                           u"h1", u"h2", u"h3",  u"h4", u"h5", u"h6", u"ul", u"ol"};
  for (const char16_t* block : kBlocks)
    if (name.compare(QStringView(block), Qt::CaseInsensitive) == 0) return true;
  return false;
}

bool holdsRawText(QStringView name) {
  return name.compare(u"style", Qt::CaseInsensitive) == 0 || name.compare(u"script", Qt::CaseInsensitive) == 0;
}

// How many units of html, from at, make one character of the text.
qsizetype characterLength(QStringView html, qsizetype at) {
  const QChar c = html[at];
  if (c.isHighSurrogate() && at + 1 < html.size() && html[at + 1].isLowSurrogate()) return 2;
  if (c != '&') return 1;
  for (qsizetype i = at + 1; i < html.size() && i <= at + kLongestCharacterName; ++i) {
    if (html[i] == ';') return i > at + 1 ? i + 1 - at : 1;
    if (!isWordChar(html[i]) && html[i] != '#') return 1;
  }
  return 1;
}

}  // namespace

QString withBreaksInLongWords(const QString& html) {
  QString out;
  out.reserve(html.size());
  // The word being read, with the tags inside it, and where in it a break may go.
  QString word;
  std::vector<qsizetype> breaks;
  qsizetype characters = 0;
  const auto endWord = [&] {
    if (characters < kLongWord) {
      out += word;
    } else {
      qsizetype from = 0;
      for (const qsizetype at : breaks) {
        out += QStringView(word).sliced(from, at - from);
        out += QChar(kZeroWidthSpace);
        from = at;
      }
      out += QStringView(word).sliced(from);
    }
    word.clear();
    breaks.clear();
    characters = 0;
  };
  const QStringView text(html);
  qsizetype at = 0;
  while (at < text.size()) {
    const qsizetype close = startsTag(text, at) ? text.indexOf(u'>', at + 1) : -1;
    if (close >= 0) {
      const QStringView tag = text.sliced(at, close + 1 - at);
      const QStringView name = tagName(tag);
      if (holdsRawText(name) && tag[1] != '/') {
        endWord();
        const qsizetype end = text.indexOf(QStringLiteral("</") + name.toString(), close + 1, Qt::CaseInsensitive);
        const qsizetype endClose = end < 0 ? -1 : text.indexOf(u'>', end);
        const qsizetype after = endClose < 0 ? text.size() : endClose + 1;
        out += text.sliced(at, after - at);
        at = after;
        continue;
      }
      if (endsLine(name)) {
        endWord();
        out += tag;
      } else {
        word += tag;
      }
      at = close + 1;
      continue;
    }
    if (isBlank(text[at])) {
      endWord();
      out += text[at];
      ++at;
      continue;
    }
    if (characters > 0 && characters % kWordPiece == 0) breaks.push_back(word.size());
    const qsizetype length = characterLength(text, at);
    word += text.sliced(at, length);
    ++characters;
    at += length;
  }
  endWord();
  return out;
}

WebPageView::WebPageView(QWidget* page, const GameSession& session)
    : page_(page), session_(session), browser_([this] { return makeBrowser(); }) {}

QTextBrowser* WebPageView::makeBrowser() {
  auto* view = new PageBrowser(page_, session_);
  view->setObjectName("WebB");
  view->setGeometry(geometry_);
  // Links are the game's to follow: the view only reports them.
  view->setOpenLinks(false);
  view->setOpenExternalLinks(false);
  // Made after its page may have been shown, the view shows with it all the same.
  view->show();
  return view;
}

void WebPageView::fitToPage(int width, int height) {
  geometry_ = QRect(-2, -2, width + 20, height + 4);
  if (QTextBrowser* view = browser_.ifMade()) view->setGeometry(geometry_);
}

void WebPageView::showEmptyPage(const std::string& background) {
  const std::string colour = background.empty() ? std::string("FFFFFF") : background;
  showHtml(toQt("<!DOCTYPE html><head><title>Taluvin: " + session_.GameName + "</title>" +
                "<meta http-equiv=\"X-UA-Compatible\" content=\"ie=edge\">" + "</head>" + "<body  bgcolor=#" +
                colour +
                " text=#FFFF00 link=#FFFF00 vlink=#FFFF00 alink=#FFFF00 leftmargin=0 topmargin=0 marginwidth=0 "
                "marginheight=0 >" +
                "</body>" + "</html>"));
}

void WebPageView::showPage(const std::string& html) {
  const std::string shown =
      html.size() <= kShownPageBudget ? html : markupWithin(html, kShownPageBudget) + kPageCutMarker;
  showHtml(withBreaksInLongWords(inFlowPositions(toQt(shown))));
}

void WebPageView::showHtml(const QString& html) {
  QTextBrowser* view = browser();
  const BodyColours colours = readBodyColours(html);
  // The space below a short page is the view's own, painted in the page's colours too.
  QPalette palette = view->palette();
  if (!colours.background.empty()) palette.setColor(QPalette::Base, colourOf(colours.background));
  if (!colours.text.empty()) palette.setColor(QPalette::Text, colourOf(colours.text));
  if (!colours.link.empty()) palette.setColor(QPalette::Link, colourOf(colours.link));
  if (!colours.visited.empty()) palette.setColor(QPalette::LinkVisited, colourOf(colours.visited));
  view->setPalette(palette);
  // The style sheet is read while the page is parsed, so it comes first.
  view->document()->setDefaultStyleSheet(bodyStyleSheet(colours));
  view->setHtml(quotedAttributes(html));
}

}  // namespace taluvin
