// Layout of the command panel and the typed-command line; what typing and clicks do lives elsewhere.
#include "present/command_panel.h"

#include "base/text.h"
#include "present/font_faces.h"
#include "present/layout_settings.h"
#include "present/shown_later.h"
#include "state/game_session.h"

namespace taluvin {

CommandPanel::CommandPanel(QWidget* page, GameSession& session)
    : buffer(session.buffers.commandPanel), page_(page), registerInput_([this] { return makeRegisterInput(); }) {
  panelBook = new PagedBook(page);
  panelBook->setObjectName("Abok2");
  panelBook->setGeometry(675, 45, 210, 266);
  QWidget* panelPage = panelBook->addPage("Comandos");
  panelPicture = new CanvasView(panelPage);
  panelPicture->setObjectName("TelCmd");
  panelPicture->setGeometry(0, 0, 210, 266);
  panelPicture->fitPictureToWidget();
  resizeBuffer(buffer, 210, 266);

  commandLine = newTextWidget<QLineEdit>(page, startFace());
  commandLine->setObjectName("Input");
  commandLine->setGeometry(65, 382, 660, 30);
  // The line is hidden in most games; its fonts are laid out only once it shows.
  setFontWhenShown(commandLine, pixelFont("Courier New", 24, true));
  commandLine->setFrame(false);
  commandLine->hide();
  // The command line is upper case, whatever is typed.
  QObject::connect(commandLine, &QLineEdit::textEdited, commandLine, [this](const QString& text) {
    const QString upper = text.toUpper();
    if (upper != text) {
      const int cursor = commandLine->cursorPosition();
      commandLine->setText(upper);
      commandLine->setCursorPosition(cursor);
    }
  });
}

QPlainTextEdit* CommandPanel::makeRegisterInput() {
  auto* box = new QPlainTextEdit(page_);
  box->setObjectName("InputReg");
  box->setGeometry(50, 5, 185, 26);
  box->hide();
  // Over the game screen and the command line, as in the window's design.
  box->raise();
  return box;
}

void CommandPanel::showPanelBySettings(const GameSession& s) { panelBook->setVisible(lineOn(s, 53)); }

void CommandPanel::setInputShown(bool shown) { commandLine->setVisible(shown); }

void CommandPanel::layInput(GameSession& s) {
  commandLine->setGeometry(QRect(QPoint(linePosition(s, 36, commandLine->x()), linePosition(s, 37, commandLine->y())),
                           lineSurface(s, 38, 39, commandLine->size())));
  const QColor colour = paintColor(s.settings.line(40), QColor(255, 255, 255));
  const QColor fontColour = paintColor(s.settings.line(43), QColor(0, 0, 0));
  paintWidgetText(commandLine, colour, fontColour);
  QFont font = shownFont(commandLine);
  const auto& face = s.settings.line(41);
  if (!face.empty()) font.setFamily(toQt(face));
  font.setPixelSize(pointsToPixels(lineFontSize(s, 42, 18)));
  setFontWhenShown(commandLine, font);
}

void CommandPanel::layPanel(GameSession& s) {
  panelBook->setGeometry(QRect(QPoint(linePosition(s, 45, panelBook->x()), linePosition(s, 46, panelBook->y())),
                           lineSurface(s, 47, 48, panelBook->size())));
  panelPicture->setGeometry(0, 0, panelBook->width(), panelBook->height());
  showPanelBySettings(s);
}

void CommandPanel::applyGameLayout(GameSession& s) {
  layInput(s);
  const auto letters = readStyleLetters(s.settings.line(68));
  QFont font = shownFont(commandLine);
  font.setBold(letters.bold);
  font.setItalic(letters.italic);
  font.setUnderline(letters.underline);
  setFontWhenShown(commandLine, font);
  if (s.Modelo == ScreenModel::Console || s.Modelo == ScreenModel::PictureScreen) setInputShown(lineOn(s, 44));
  layPanel(s);
  const std::string& brush = s.settings.line(94).empty() ? s.settings.line(18) : s.settings.line(94);
  buffer.style.brush = paintColor(brush, QColor(255, 255, 255));
  resizeBuffer(buffer, panelPicture->width(), panelPicture->height());
  panelPicture->style = buffer.style;
  panelPicture->fillPicture(buffer.style.brush);
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
  if (buffer.size() != panelPicture->size()) resizeBuffer(buffer, panelPicture->width(), panelPicture->height());
  panelPicture->style = d;
  panelPicture->fitPictureToWidget();

  layInput(s);
  commandLine->clear();
  if (inputMayShow) setInputShown(lineOn(s, 44));
  // A "B" first sets bold alone; without it the previous style stays and italic and underline add.
  const auto letters = readStyleLetters(styleLetters);
  QFont font = shownFont(commandLine);
  if (letters.bold) {
    font.setBold(true);
    font.setItalic(false);
    font.setUnderline(false);
  }
  if (letters.italic) font.setItalic(true);
  if (letters.underline) font.setUnderline(true);
  setFontWhenShown(commandLine, font);
}

void CommandPanel::showBuffer() {
  panelPicture->fitPictureToWidget();
  showBufferOn(*panelPicture, buffer);
  panelPicture->update();
}

}  // namespace taluvin
