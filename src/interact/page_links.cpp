// Following a link of the model-"2" page.
#include "interact/page_links.h"

#include "base/text.h"
#include "interact/zone_action.h"
#include "present/screen.h"
#include "present/web_page_view.h"
#include "script/command_context.h"

#include <QObject>
#include <QUrl>

namespace taluvin {

namespace {

const std::string kScriptMark = "Scp=";
const std::string kIgnored = "Link not followed (no script or web address in it): ";

bool isWebAddress(const std::string& address) {
  return address.rfind("http://", 0) == 0 || address.rfind("https://", 0) == 0;
}

}  // namespace

void followPageLink(CommandContext& context, const std::string& address) {
  const size_t mark = address.find(kScriptMark);
  if (mark != std::string::npos) {
    const std::string script = address.substr(mark + kScriptMark.size());
    context.letEventsRun();
    if (script.find(".htm") != std::string::npos) return;
    context.runScript(script);
    return;
  }
  if (isWebAddress(address)) {
    runZoneAction(context, address, false);
    return;
  }
  context.traceLine(kIgnored + address);
}

void connectPageLinks(CommandContext& context) {
  context.screen().web().whenBrowserMade([&context](QTextBrowser& view) {
    QObject::connect(&view, &QTextBrowser::anchorClicked, &view, [&context](const QUrl& url) {
      // The address as the page wrote it: the view hands it over percent-encoded.
      followPageLink(context, fromQt(QUrl::fromPercentEncoding(url.toEncoded())));
    });
  });
}

}  // namespace taluvin
