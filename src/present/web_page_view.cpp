// The web view of model "2".
#include "present/web_page_view.h"

#include "base/text.h"

namespace taluvin {

WebPageView::WebPageView(QWidget* page) {
  browser = new QTextBrowser(page);
  browser->setObjectName("WebB");
  browser->setGeometry(-2, -2, 616, 327);
  // Links are the game's to follow: the view only reports them.
  browser->setOpenLinks(false);
  browser->setOpenExternalLinks(false);
}

void WebPageView::fitToPage(int width, int height) { browser->setGeometry(-2, -2, width + 20, height + 4); }

void WebPageView::showEmptyPage(const std::string& background) {
  const QString colour = background.empty() ? QString("FFFFFF") : toQt(background);
  browser->setHtml(QString("<html><body bgcolor=\"#%1\"></body></html>").arg(colour));
}

}  // namespace taluvin
