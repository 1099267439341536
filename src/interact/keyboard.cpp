// Key handling: the held key for "inkey", function and arrow keys in the command line, Enter in both inputs.
#include "interact/keyboard.h"

#include "base/text.h"
#include "interact/key_router.h"
#include "interact/typed_commands.h"
#include "present/main_window.h"
#include "present/command_panel.h"
#include "present/screen.h"
#include "script/command_context.h"
#include "services/sound_commands.h"
#include "state/game_session.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <utility>

namespace taluvin {

namespace {

constexpr const char* kKeySound = "clk3.wav";

struct NamedKey {
  std::uint16_t code;
  const char* name;
};

constexpr NamedKey kKeyNames[] = {
    {8, "Back"},  {9, "Tab"},   {13, "Enter"}, {16, "Shift"}, {17, "Ctrl"},  {18, "Alt"},  {20, "Caps"},
    {27, "Esc"},  {32, "Space"}, {33, "PgUp"}, {34, "PgDw"},  {35, "End"},   {36, "Home"}, {37, "Left"},
    {38, "Up"},   {39, "Right"}, {40, "Down"}, {45, "Ins"},   {46, "Del"},
};

// Punctuation keys of a US layout, by the character they type unshifted.
constexpr std::pair<char, std::uint16_t> kPunctuationKeys[] = {
    {';', 186}, {'=', 187}, {',', 188}, {'-', 189}, {'.', 190}, {'/', 191},
    {'`', 192}, {'[', 219}, {'\\', 220}, {']', 221}, {'\'', 222},
};

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// A new effect cuts off the one playing, so a game without the key click keeps its sound.
void playKeyClick(CommandContext& context) { playClickSoundIfPresent(context, kKeySound); }

// The command line acts on releases, so a function key held down enters its phrase once.
class CommandLineKeys : public QObject {
 public:
  CommandLineKeys(QLineEdit* line, CommandContext& context) : QObject(line), line_(line), context_(context) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      playKeyClick(context_);
      if (isEnter(key->key())) {
        // Swallowed: the line neither beeps nor takes it; the release enters the line.
        enterDown_ = true;
        return true;
      }
    } else if (event->type() == QEvent::KeyRelease) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (!key->isAutoRepeat()) released(key->key());
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void enterPhrase(size_t settingsLine) {
    line_->setText(toQt(context_.session().settings.line(settingsLine)));
    enterCommandLine(context_);
  }

  void walk(GameSession::Exit exit) {
    // A copy: the place's script sets the exits anew.
    const std::string script = context_.session().exits[exit];
    if (script.empty()) return;
    line_->clear();
    context_.runScript(script);
  }

  void released(int key) {
    GameSession& s = context_.session();
    switch (key) {
      case Qt::Key_F1: enterPhrase(76); break;
      case Qt::Key_F2: enterPhrase(77); break;
      case Qt::Key_F4: enterPhrase(78); break;
      case Qt::Key_F3:
        if (!s.typing.LastCommand.empty()) line_->setText(toQt(s.typing.LastCommand));
        break;
      case Qt::Key_Up: walk(GameSession::North); break;
      case Qt::Key_Down: walk(GameSession::South); break;
      case Qt::Key_Right: walk(GameSession::East); break;
      case Qt::Key_Left: walk(GameSession::West); break;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        // Only an Enter pressed here: one pressed elsewhere may have moved the focus to this line.
        if (std::exchange(enterDown_, false)) enterCommandLine(context_);
        break;
      default: break;
    }
  }

  QLineEdit* line_;
  CommandContext& context_;
  bool enterDown_ = false;
};

// Enter stores the box's text in its register; the box never takes a line break.
class RegisterInputKeys : public QObject {
 public:
  RegisterInputKeys(QPlainTextEdit* box, CommandContext& context) : QObject(box), context_(context) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
      return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (!isEnter(key->key())) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
      enterDown_ = true;
    } else if (!key->isAutoRepeat() && std::exchange(enterDown_, false)) {
      enterRegisterInput(context_);
    }
    return true;
  }

 private:
  CommandContext& context_;
  bool enterDown_ = false;
};

// The console is read, not typed in: a key or click there sends the player to the command line.
class ConsoleFocus : public QObject {
 public:
  ConsoleFocus(QPlainTextEdit* console, QLineEdit* line) : QObject(console), line_(line) {
    connect(console, &QPlainTextEdit::textChanged, this, [this] { moveFocus(); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) moveFocus();
    return QObject::eventFilter(watched, event);
  }

 private:
  void moveFocus() {
    if (line_->isVisible()) line_->setFocus();
  }
  QLineEdit* line_;
};

}  // namespace

std::uint16_t virtualKeyCode(const QKeyEvent& event) {
  const int key = event.key();
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::uint16_t>('A' + (key - Qt::Key_A));
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    const int digit = key - Qt::Key_0;
    return static_cast<std::uint16_t>(event.modifiers() & Qt::KeypadModifier ? 96 + digit : '0' + digit);
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<std::uint16_t>(112 + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Print: return 44;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    default: break;
  }
  for (const auto& [character, code] : kPunctuationKeys)
    if (key == character) return code;
  return 0;
}

std::string keyName(std::uint16_t code) {
  if (code >= 112 && code <= 123) return "F" + std::to_string(code - 111);
  for (const NamedKey& k : kKeyNames)
    if (k.code == code) return k.name;
  return {};
}

void connectKeyboardHandlers(CommandContext& context, KeyRouter& router) {
  router.onGameKey([&session = context.session()](const QKeyEvent& key) {
    if (key.type() == QEvent::KeyPress) {
      session.typing.HeldKey = virtualKeyCode(key);
    } else if (!key.isAutoRepeat()) {
      // A key held down repeats as release and press pairs; it is still held between them.
      session.typing.HeldKey = 0;
    }
  });
  Screen& screen = context.screen();
  QLineEdit* line = screen.commandLine();
  line->installEventFilter(new CommandLineKeys(line, context));
  screen.panel().whenRegisterInputMade(
      [&context](QPlainTextEdit& box) { box.installEventFilter(new RegisterInputKeys(&box, context)); });
  QPlainTextEdit* console = screen.consoleText();
  console->installEventFilter(new ConsoleFocus(console, line));
}

}  // namespace taluvin
