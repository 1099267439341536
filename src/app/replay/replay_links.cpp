// Replay's link action: the page's links read from the view's own document.
#include "app/replay/replay_links.h"

#include "app/player/player.h"
#include "present/screen.h"
#include "present/web_page_view.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <vector>

namespace taluvin {

namespace {

struct PageLink {
  QString href;
  QString text;
};

// A picture's visible stand-in: the last part of its address.
QString pictureName(const QTextImageFormat& image) {
  const QString name = image.name();
  return name.mid(name.lastIndexOf('/') + 1);
}

// The document's links in reading order; neighbouring pieces with one address are one link.
std::vector<PageLink> pageLinks(const QTextDocument& document) {
  std::vector<PageLink> links;
  bool open = false;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
      const QTextFragment fragment = piece.fragment();
      const QTextCharFormat format = fragment.charFormat();
      if (!format.isAnchor() || format.anchorHref().isEmpty()) {
        open = false;
        continue;
      }
      QString text = format.isImageFormat() ? pictureName(format.toImageFormat()) : fragment.text();
      text.replace(QChar::Nbsp, ' ');
      if (open && links.back().href == format.anchorHref()) {
        links.back().text += text;
      } else {
        links.push_back({format.anchorHref(), text});
        open = true;
      }
    }
  }
  return links;
}

}  // namespace

ReplayOutcome replayLink(Player& player, const ReplayStep& s) {
  const QString wanted = QString::fromUtf8(s.rest.data(), static_cast<qsizetype>(s.rest.size()));
  QTextBrowser* view = player.screen().web().browser();
  for (const PageLink& link : pageLinks(*view->document())) {
    if (!link.text.contains(wanted)) continue;
    // The view reports a clicked link with this signal and nothing else: the same road a click takes.
    emit view->anchorClicked(QUrl(link.href));
    return {};
  }
  return {0, "no link showing '" + s.rest + "' in WebB"};
}

}  // namespace taluvin
