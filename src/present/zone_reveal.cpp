// The hotspot reveal: every active zone of a shown surface outlined over the screen while it is asked for.
#include "present/zone_reveal.h"

#include "present/main_window.h"
#include "present/memo_box.h"
#include "present/monitor_window.h"
#include "present/screen.h"
#include "present/visor_view.h"
#include "state/game_session.h"

#include <QPainter>
#include <functional>

namespace taluvin {

namespace {

constexpr int kRefreshMs = 100;
const QColor kEdge(255, 221, 0);      // on the zone's outermost answering pixels
const QColor kInnerEdge(0, 0, 0);     // one pixel inside, so the outline shows on light and dark alike
const QColor kContrastEdge(255, 255, 255);

}  // namespace

// The outlines over one surface: the zones of its slot range, while the surface is the one that
// holds them (the picture screen's range is the monitor's in model "4", and the memo's is the
// scroll page's).
class ZoneOutlines : public QWidget {
 public:
  ZoneOutlines(QWidget* surface, const GameSession& session, ZoneRange range, std::function<bool()> holdsZones,
               CanvasView* visorView, Screen* screen, const bool& highContrast)
      : QWidget(surface),
        highContrast_(highContrast),
        session_(session),
        range_(range),
        holdsZones_(std::move(holdsZones)),
        visorView_(visorView),
        screen_(screen) {
    setObjectName("ZoneReveal");
    // Clicks and hovers go to the surface underneath as if the layer were not there.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
  }

  void follow() {
    if (parentWidget() && geometry() != parentWidget()->rect()) setGeometry(parentWidget()->rect());
    raise();
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const ZoneTable& table = session_.zones.table;
    if (holdsZones_())
      for (int i = range_.first; i <= range_.last; ++i) outline(painter, table.slot(i), QPoint());
    if (visorView_ && session_.visor.defined && visorTarget(*screen_) == visorView_) {
      // Pictures and links of a visor lie on its strip and move with the panorama.
      const VisorState& visor = session_.visor;
      const ZoneRange elements = ZoneTable::range(Surface::Visor);
      for (int i = elements.first; i <= elements.last; ++i) {
        const HotZone& zone = table.slot(i);
        const bool onStrip = zone.kind == "fig" || zone.kind == "lnk";
        outline(painter, zone, onStrip ? QPoint(visor.savedOffsetX, visor.offsetY) : QPoint());
      }
    }
  }

 private:
  void outline(QPainter& painter, const HotZone& zone, QPoint shift) const {
    if (!zone.active || zone.width < 0 || zone.height < 0) return;
    // A zone answers on both its edges, so its outline runs over left + width and top + height.
    const QRect answering(zone.left - shift.x(), zone.top - shift.y(), zone.width + 1, zone.height + 1);
    painter.setPen(highContrast_ ? kContrastEdge : kEdge);
    painter.drawRect(answering.adjusted(0, 0, -1, -1));
    if (answering.width() > 2 && answering.height() > 2) {
      painter.setPen(kInnerEdge);
      painter.drawRect(answering.adjusted(1, 1, -2, -2));
    }
    if (highContrast_ && answering.width() > 4 && answering.height() > 4)
      painter.drawRect(answering.adjusted(2, 2, -3, -3));
  }

  const bool& highContrast_;
  const GameSession& session_;
  ZoneRange range_;
  std::function<bool()> holdsZones_;
  CanvasView* visorView_;
  Screen* screen_;
};

ZoneReveal::ZoneReveal(Screen& screen) : screen_(&screen) {
  const GameSession* s = &screen.session();
  auto notInMonitor = [s] { return s->Modelo.kind() != ScreenModel::Monitor; };
  auto always = [] { return true; };
  add(screen.pictureScreen(), Surface::PictureScreen, notInMonitor, screen.pictureScreen());
  add(screen.panelPicture(), Surface::CommandPanel, always);
  add(screen.framePicture(), Surface::FramePicture, always);
  // The opening picture takes the frame picture's zones and clicks.
  add(screen.window().openingPicture(), Surface::FramePicture, always);
  add(screen.scrollPicture(), Surface::ScrollPage, always, screen.scrollPicture());
  add(screen.memoBox().memoImage, Surface::Memo, notInMonitor);
  refresh_.setInterval(kRefreshMs);
  QObject::connect(&refresh_, &QTimer::timeout, [this] { follow(); });
}

void ZoneReveal::addMonitor(MonitorWindow& monitor) {
  const GameSession* s = &screen_->session();
  auto inMonitor = [s] { return s->Modelo.kind() == ScreenModel::Monitor; };
  add(monitor.monitorPicture, Surface::Monitor, inMonitor);
  add(monitor.memo->memoImage, Surface::Memo, inMonitor);
}

void ZoneReveal::add(QWidget* surface, Surface range, std::function<bool()> holds, CanvasView* visorView) {
  auto* layer = new ZoneOutlines(surface, screen_->session(), ZoneTable::range(range), std::move(holds), visorView, screen_,
                                 highContrast_);
  layers_.push_back(layer);
  // A surface made while the outlines show has them too.
  if (shown_) {
    layer->follow();
    layer->setVisible(true);
  }
}

ZoneReveal::~ZoneReveal() = default;

void ZoneReveal::setShown(bool shown) {
  if (shown == shown_) return;
  shown_ = shown;
  for (ZoneOutlines* layer : layers_) {
    if (!layer) continue;
    if (shown) layer->follow();
    layer->setVisible(shown);
  }
  if (shown)
    refresh_.start();
  else
    refresh_.stop();
}

void ZoneReveal::follow() {
  for (ZoneOutlines* layer : layers_)
    if (layer) layer->follow();
}

}  // namespace taluvin
