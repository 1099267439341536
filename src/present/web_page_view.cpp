// The web view of model "2": pages shown with their body's colours, pictures read from the game's folder.
#include "present/web_page_view.h"

#include "base/text.h"
#include "present/picture_cache.h"
#include "state/game_paths.h"
#include "state/game_session.h"

#include <QRegularExpression>
#include <QUrl>
#include <algorithm>

namespace taluvin {

namespace {

// A browser that reads pictures only through the game's resolver: a page names them relative to
// its own folder or by the folder's address, and nothing outside the folder is ever opened.
class PageBrowser : public QTextBrowser {
 public:
  PageBrowser(QWidget* parent, const GameSession& session) : QTextBrowser(parent), session_(session) {}

  // A refused or missing picture is an empty image, not nothing: given nothing, the document would
  // open the file itself, wherever it lies.
  QVariant loadResource(int type, const QUrl& url) override {
    if (type != QTextDocument::ImageResource) return QVariant(QString());
    const std::string name = session_.GameFolder.empty() ? std::string() : nameInFolder(url);
    const auto path = name.empty() ? std::nullopt : session_.resolveName(name);
    if (!path) return QVariant(QImage());
    PictureLoad picture = pictureCache().load(*path, name);
    return QVariant(picture.ok() ? picture.image : QImage());
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

// One tag's bare values (` name=value`, the value without quotes) put in quotes, ampersands escaped.
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
    qsizetype valueEnd = nameEnd + 1;
    if (nameEnd == i + 1 || nameEnd >= tag.size() || tag[nameEnd] != '=') {
      ++i;
      continue;
    }
    while (valueEnd < tag.size() && !endsBareValue(tag[valueEnd])) ++valueEnd;
    if (valueEnd == nameEnd + 1) {
      ++i;
      continue;
    }
    const QStringView value = tag.sliced(nameEnd + 1, valueEnd - nameEnd - 1);
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

void WebPageView::showPage(const std::string& html) { showHtml(inFlowPositions(toQt(html))); }

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
