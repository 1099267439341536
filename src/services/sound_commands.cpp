// "playmusic", "volume=" and "playsnd": music and effects from the game folder.
#include "services/sound_commands.h"

#include "base/numbers.h"
#include "base/text.h"
#include "script/command_context.h"
#include "script/game_audio.h"
#include "state/game_paths.h"
#include "state/game_session.h"
#include "state/text_file.h"

#include <optional>

namespace taluvin {

namespace {

const std::string kMissingFile = w(" <--- arquivo não existe");

// The file must exist inside the game folder; anything else reads as missing.
std::optional<std::string> existingGameFile(const GameSession& session, const std::string& name) {
  auto path = session.resolveName(name);
  if (!path || !fileExists(*path)) return std::nullopt;
  return path;
}

}  // namespace

void playClickSound(CommandContext& context, const std::string& name) {
  if (name.empty()) return;
  auto path = context.session().resolveName(name);
  if (path) context.audio().playEffect(*path);
}

void playClickSoundIfPresent(CommandContext& context, const std::string& name) {
  if (name.empty()) return;
  auto path = context.session().resolveName(name);
  if (path) context.audio().playEffectIfLoadable(*path);
}

Flow cmdPlayMusic(ScriptInterpreter& ip) {
  // slot 1 = music file in the game folder
  static const std::string kUnplayable = w(" <--- não consegue tocar este arquivo");
  const std::string& name = ip.arg(1);
  ip.Trace += name;
  auto path = existingGameFile(ip.session(), name);
  if (!path) {
    ip.Trace += kMissingFile;
    return Flow::Done;
  }
  // A file the mixer cannot open is reported like a missing one: losing the music is no reason
  // to lose the rest of the scene.
  if (!ip.context().audio().playMusic(*path)) ip.Trace += kUnplayable;
  return Flow::Done;
}

Flow cmdVolume(ScriptInterpreter& ip) {
  // slot 1 = volume 0..1000 (not a number: 0)
  const int32_t volume = toIntOr(ip.arg(1).empty() ? std::string("0") : ip.arg(1), 0);
  ip.Trace.appendNumber(volume);
  ip.context().audio().setMusicVolume(volume);
  return Flow::Done;
}

Flow cmdPlaySound(ScriptInterpreter& ip) {
  // slot 1 = ".wav" file or "off", slot 2 = "on" to wait for the end
  static const std::string kNoName = w(" <--- não definiu nome de arquivo .wav");
  const std::string& name = ip.arg(1);
  const std::string& mode = ip.arg(2);
  if (name.empty()) {
    ip.Trace += kNoName;
    return Flow::Done;
  }
  ip.Trace += name;
  GameAudio& audio = ip.context().audio();
  if (name == "off") {
    if (ip.Trace.on()) ip.Trace += "," + mode;
    audio.stopEffect();
    return Flow::Done;
  }
  if (mode == "on") ip.Trace += "," + mode;
  if (!mode.empty() && mode != "on") return Flow::Done;
  // The name is handed on unchecked, so the trace says nothing of a missing file: it (or one
  // outside the game folder) plays nothing and leaves a playing effect alone. --check names it.
  const auto path = existingGameFile(ip.session(), name);
  if (mode.empty()) {
    if (path) audio.playEffect(*path);
    return Flow::Done;
  }
  RunHooks& hooks = ip.hooks();
  if (path)
    audio.playEffectAndWait(*path, [&hooks] { hooks.letEventsRun(); }, [&hooks] { return hooks.quitting(); });
  hooks.letEventsRun();
  return Flow::Done;
}

}  // namespace taluvin
