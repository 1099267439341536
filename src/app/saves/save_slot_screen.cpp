// The surfaces' pictures a save slot keeps, taken at the save and put back at the restore.
#include "app/saves/save_slot_screen.h"

#include "app/player/player.h"
#include "present/canvas.h"
#include "present/screen.h"

#include <QBuffer>
#include <QPainter>

namespace taluvin {

namespace {

constexpr const char* kPictureScreen = "screen.png";
constexpr const char* kCommandPanel = "panel.png";
constexpr const char* kFramePicture = "frame.png";

std::string pngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  if (image.isNull() || !image.save(&out, "PNG")) return {};
  return bytes.toStdString();
}

void keep(std::vector<SlotExtra>& extras, const char* name, const QImage& image) {
  if (std::string bytes = pngBytes(image); !bytes.empty()) extras.push_back({name, std::move(bytes)});
}

// Copied as they were, magenta and all, at the top left: a layout of another size keeps what fits.
void drawBack(QImage& target, const std::string& png) {
  QImage kept;
  if (png.empty() || target.isNull() || !kept.loadFromData(reinterpret_cast<const uchar*>(png.data()),
                                                           static_cast<int>(png.size()), "PNG"))
    return;
  QPainter painter(&target);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, kept);
}

}  // namespace

std::vector<SlotExtra> screenToKeep(Player& player) {
  Screen& screen = player.screen();
  std::vector<SlotExtra> extras;
  keep(extras, kPictureScreen, screen.pictureBuffer().image());
  keep(extras, kCommandPanel, screen.panelBuffer().image());
  keep(extras, kFramePicture, screen.framePicture()->picture());
  return extras;
}

void putScreenBack(Player& player, const SlotRestore& restored) {
  Screen& screen = player.screen();
  drawBack(screen.pictureBuffer().image(), slotExtra(restored, kPictureScreen));
  drawBack(screen.panelBuffer().image(), slotExtra(restored, kCommandPanel));
  CanvasView* frame = screen.framePicture();
  if (const std::string png = slotExtra(restored, kFramePicture); !png.empty()) {
    drawBack(frame->picture(), png);
    frame->update();
  }
  // The buffers show at the run's end, as every run shows them.
}

}  // namespace taluvin
