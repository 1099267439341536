// Layout of the command panel and the typed-command line; what typing and clicks do lives elsewhere.
#include "present/command_panel.h"

#include "base/text.h"
#include "present/font_faces.h"
#include "present/layout_settings.h"

namespace taluvin {

CommandPanel::CommandPanel(QWidget* page) {
  abok2 = new PagedBook(page);
  abok2->setObjectName("Abok2");
  abok2->setGeometry(675, 45, 210, 266);
  QWidget* panelPage = abok2->addPage("Comandos");
  telCmd = new CanvasView(panelPage);
  telCmd->setObjectName("TelCmd");
  telCmd->setGeometry(0, 0, 210, 266);
  telCmd->fitPictureToWidget();
  buffer.resize(210, 266);

  input = new QLineEdit(page);
  input->setObjectName("Input");
  input->setGeometry(65, 382, 660, 30);
  input->setFont(pixelFont("Courier New", 24, true));
  input->setFrame(false);
  input->hide();
  // The command line is upper case, whatever is typed.
  QObject::connect(input, &QLineEdit::textEdited, input, [this](const QString& text) {
    const QString upper = text.toUpper();
    if (upper != text) {
      const int cursor = input->cursorPosition();
      input->setText(upper);
      input->setCursorPosition(cursor);
    }
  });

  inputReg = new QPlainTextEdit(page);
  inputReg->setObjectName("InputReg");
  inputReg->setGeometry(50, 5, 185, 26);
  inputReg->hide();
}

void CommandPanel::showPanelBySettings(const GameSession& s) { abok2->setVisible(lineOn(s, 53)); }

void CommandPanel::setInputShown(bool shown) { input->setVisible(shown); }

void CommandPanel::layInput(GameSession& s) {
  input->setGeometry(QRect(QPoint(linePosition(s, 36, input->x()), linePosition(s, 37, input->y())),
                           lineSurface(s, 38, 39, input->size())));
  const QColor colour = paintColor(s.settings.line(40), QColor(255, 255, 255));
  const QColor fontColour = paintColor(s.settings.line(43), QColor(0, 0, 0));
  paintWidgetText(input, colour, fontColour);
  QFont font = input->font();
  const auto& face = s.settings.line(41);
  if (!face.empty()) font.setFamily(toQt(face));
  font.setPixelSize(pointsToPixels(lineFontSize(s, 42, 18)));
  input->setFont(font);
}

void CommandPanel::layPanel(GameSession& s) {
  abok2->setGeometry(QRect(QPoint(linePosition(s, 45, abok2->x()), linePosition(s, 46, abok2->y())),
                           lineSurface(s, 47, 48, abok2->size())));
  telCmd->setGeometry(0, 0, abok2->width(), abok2->height());
  showPanelBySettings(s);
}

void CommandPanel::applyGameLayout(GameSession& s) {
  layInput(s);
  const auto letters = readStyleLetters(s.settings.line(68));
  QFont font = input->font();
  font.setBold(letters.bold);
  font.setItalic(letters.italic);
  font.setUnderline(letters.underline);
  input->setFont(font);
  if (s.Modelo == ScreenModel::Console || s.Modelo == ScreenModel::PictureScreen) setInputShown(lineOn(s, 44));
  layPanel(s);
  const std::string& brush = s.settings.line(94).empty() ? s.settings.line(18) : s.settings.line(94);
  buffer.style.brush = paintColor(brush, QColor(255, 255, 255));
  buffer.resize(telCmd->width(), telCmd->height());
  telCmd->style = buffer.style;
  telCmd->fillPicture(buffer.style.brush);
}

void CommandPanel::applyRunLayout(GameSession& s, const std::string& styleLetters, bool inputMayShow) {
  layPanel(s);
  const std::string& brush = s.settings.line(94).empty() ? s.settings.line(18) : s.settings.line(94);
  auto& d = buffer.style;
  d.brush = paintColor(brush, QColor(255, 255, 255));
  d.brushClear = false;
  d.face = s.settings.line(15).empty() ? std::string("Arial") : s.settings.line(15);
  d.size = lineFontSize(s, 16, 12);
  d.fontColor = paintColor(s.settings.line(19), QColor(0, 0, 0));
  const auto panelLetters = readStyleLetters(s.settings.line(67));
  d.setStyleFlags(panelLetters.bold, panelLetters.italic, panelLetters.underline);
  if (buffer.image.size() != telCmd->size()) buffer.resize(telCmd->width(), telCmd->height());
  telCmd->style = d;
  telCmd->fitPictureToWidget();

  layInput(s);
  input->clear();
  if (inputMayShow) setInputShown(lineOn(s, 44));
  // A "B" first sets bold alone; without it the previous style stays and italic and underline add.
  const auto letters = readStyleLetters(styleLetters);
  QFont font = input->font();
  if (letters.bold) {
    font.setBold(true);
    font.setItalic(false);
    font.setUnderline(false);
  }
  if (letters.italic) font.setItalic(true);
  if (letters.underline) font.setUnderline(true);
  input->setFont(font);
}

void CommandPanel::showBuffer() {
  telCmd->fitPictureToWidget();
  drawImageOnto(telCmd->picture(), buffer.image);
  telCmd->update();
}

}  // namespace taluvin
