// Program entry: options, the application, the player and the exit steps.
#include "app/options.h"
#include "app/player_language.h"
#include "app/command_listing.h"
#include "app/newgame/new_game.h"
#include "app/check/game_check.h"
#include "app/explain/explain_trace.h"
#include "app/library/game_source.h"
#include "app/library/games_library.h"
#include "app/library/library_launch.h"
#include "app/library/library_listing.h"
#include "app/library/unwritable_folder.h"
#include "app/player/fullscreen.h"
#include "app/player/player.h"
#include "app/player/text_outputs.h"
#include "app/quit_signals.h"
#include "app/replay/replay.h"
#include "app/saves/save_slot_actions.h"
#include "app/saves/save_slot_listing.h"
#include "app/speech_options.h"
#include "app/player/window_scale.h"
#include "base/text.h"
#include "script/trace_file.h"
#include "services/audio_service.h"
#include "state/folder_lock.h"
#include "state/game_paths.h"
#include "state/state_writer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <unistd.h>

using namespace taluvin;

namespace {

constexpr int kSaveFailedExitCode = 3;

// Folders are native paths: their bytes go to the file system as they are, whatever letters they
// spell. Only the names scripts give are Windows-1252 text, converted where they are joined.
std::string withSeparator(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// The folder given on the command line as an absolute path, or in problem one line saying why
// no game can be played from it.
std::string checkedGameFolder(const std::string& given, std::string& problem) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path folder = fs::absolute(given, error);
  const fs::file_status status = fs::status(folder, error);
  if (error && error != std::errc::no_such_file_or_directory) {
    problem = "cannot open the game folder " + given + ": " + error.message();
  } else if (!fs::exists(status)) {
    problem = "the game folder " + given + " does not exist";
  } else if (!fs::is_directory(status)) {
    problem = given + " is not a folder";
  } else if (::access(folder.c_str(), R_OK | X_OK) != 0) {
    problem = "cannot open the game folder " + given + ": " + std::strerror(errno);
  }
  return problem.empty() ? withSeparator(folder.lexically_normal().string()) : std::string();
}

// --check reads the folder without any window system; the program's name, which names its own
// settings file, is taken as the player takes it.
int checkFolder(int argc, char* argv[], const std::string& folder) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);  // sounds are opened to see that they decode, never heard
  QCoreApplication app(argc, argv);
  const std::string programName =
      QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()).toStdString();
  return checkGameFolder(folder, programName, std::cout);
}

// --explain reads a file and the game's settings only: no window system, no audio.
int explainTrace(const Options& options, const char* program) {
  GlossContext context;
  if (!options.gameFolder.empty()) {
    std::string problem;
    const std::string folder = checkedGameFolder(options.gameFolder, problem);
    if (!problem.empty()) {
      std::cerr << "taluvin: " << problem << '\n';
      return 2;
    }
    context = glossContextOf(folder, executableBaseName(program));
  }
  return explainTraceFile(options.explainFile, context, std::cout, std::cerr);
}

// --add-game: the folder or archive brought into the games folder, said on standard output.
int addGame(const std::string& source, const std::string& programName) {
  const AddedGame added = addToLibrary(source, SameName::AddSuffix, programName);
  if (!added.error.empty()) {
    std::cerr << "taluvin: cannot add " << source << ": " << added.error << '\n';
    return 2;
  }
  if (added.alreadyThere) {
    std::cout << "taluvin: " << source << " is already in the games folder as " << added.name << '\n';
    return 0;
  }
  if (const std::string notice = leftOutNotice(source, added.leftOut); !notice.empty())
    std::cerr << "taluvin: " << notice << '\n';
  std::cout << "taluvin: added " << added.name << ": " << added.folder << '\n';
  return 0;
}

// A game lying beside the program, with the program's settings file, is played when none is given.
std::string programsOwnGame(const std::string& programName) {
  std::error_code ec;
  const auto executable = std::filesystem::canonical("/proc/self/exe", ec);
  if (ec) return {};
  const std::string folder = withSeparator(executable.parent_path().string());
  const auto settings = resolveInFolder(folder, programName + ".ini");
  return settings && std::filesystem::is_regular_file(*settings, ec) ? folder : std::string();
}

}  // namespace

int main(int argc, char* argv[]) {
  // Before the options, so --help and their errors are said in it too.
  usePlayerLanguage(languageOf(loadLanguageChoice(languageChoiceFile()), localeVariablesOfProcess()));
  std::vector<std::string> args(argv + 1, argv + argc);
  SpeechOptions speech;
  const std::string speechError = takeSpeechOptions(args, speech);
  ParsedOptions parsed = parseOptions(args);
  if (parsed.error.empty()) parsed.error = speechError;
  if (!parsed.error.empty()) {
    std::cerr << "taluvin: " << parsed.error << '\n';
    if (parsed.showUsage) std::cerr << '\n' << usageText();
    return 2;
  }
  const Options& options = parsed.options;
  if (options.help) {
    std::cout << usageText();
    return 0;
  }
  if (options.version) {
    std::cout << "taluvin " << TALUVIN_VERSION << '\n';
    return 0;
  }
  if (options.listCommands) {
    if (options.markdown)
      printCommandReference(std::cout);
    else
      printCommandTable(std::cout);
    return 0;
  }
  if (!options.explainFile.empty()) return explainTrace(options, argv[0]);
  if (!options.newGame.empty()) return writeNewGame(options.newGame, options.newModel, std::cout, std::cerr);
  if (!options.listSavesFolder.empty()) {
    std::string problem;
    const std::string folder = checkedGameFolder(options.listSavesFolder, problem);
    if (!problem.empty()) {
      std::cerr << "taluvin: " << problem << '\n';
      return 2;
    }
    return printSaveList(folder, executableBaseName(argv[0]), std::cout, std::cerr);
  }
  if (!options.deleteSave.empty()) {
    std::string problem;
    const std::string folder = checkedGameFolder(options.gameFolder, problem);
    if (!problem.empty()) {
      std::cerr << "taluvin: " << problem << '\n';
      return 2;
    }
    return deleteSaveOf(folder, executableBaseName(argv[0]), options.deleteSave, std::cout, std::cerr);
  }
  if (options.listGames) return printGameList(std::cout, std::cerr);
  if (!options.addGame.empty()) return addGame(options.addGame, executableBaseName(argv[0]));
  if (options.headless) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
  }

  // Checked before the window system starts, so a mistyped folder is named even where no display
  // could be opened. A zip archive is unpacked into the games folder, or into the fresh copy.
  removeFreshLeftovers();
  // Made before the player and gone after it, so the copy outlives every save into it.
  FreshCopy freshCopy;
  std::string programFolder;
  if (!options.gameFolder.empty()) {
    const bool archive = isArchivePath(options.gameFolder);
    if (archive && options.check) {
      std::cerr << "taluvin: --check reads a game folder; bring the archive in with --add-game first\n";
      return 2;
    }
    std::string problem;
    if (!archive) programFolder = checkedGameFolder(options.gameFolder, problem);
    if (!problem.empty()) {
      std::cerr << "taluvin: " << problem << '\n';
      return 2;
    }
    if (options.check) return checkFolder(argc, argv, programFolder);
    const std::string programName = executableBaseName(argv[0]);
    if (options.fresh)
      programFolder = freshCopy.make(archive ? options.gameFolder : programFolder, programName, std::cerr);
    else if (archive)
      programFolder = gameFromArchive(options.gameFolder, programName, std::cout, std::cerr);
    if (programFolder.empty()) return 2;
    if (!std::filesystem::is_regular_file(programFolder + "start.scp"))
      std::cerr << "taluvin: no game to start in " << options.gameFolder << ": it has no start.scp\n";
  } else {
    programFolder = programsOwnGame(executableBaseName(argv[0]));
    if (programFolder.empty() && options.headless) {
      std::cerr << "taluvin: no game given, and the games library needs a display; give a game folder or a .zip"
                   " archive (taluvin --list-games lists the games folder)\n";
      return 2;
    }
  }
  const RememberedDisplay rememberedDisplay = taluvin::rememberedDisplay(options, programFolder);
  const bool scaled = applyWindowScale(options, rememberedDisplay.settings.scale, argc, argv);
  QApplication app(argc, argv);
  installPlayerLanguage();
  const double windowFactor = startingWindowFactor();
  // Qt has read the factor; programs the game opens (a browser for a web address) keep their own.
  if (scaled) unsetenv("QT_SCALE_FACTOR");
  const std::string programName =
      QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()).toStdString();
  if (programFolder.empty()) return runLibrary(argc, argv, programName);
  // A folder elsewhere that cannot be written is offered a copy in the games folder; a replay is a
  // program's run, which nobody is there to ask.
  if (!options.fresh)
    programFolder = folderToPlay(programFolder, programName, !options.headless && options.replayFile.empty(), std::cerr);

  // Playing and restoring a slot write the game's files, so a second program doing either on the
  // same folder is refused before it reads or writes anything; the other modes only read the
  // folder, or write elsewhere, and ended above. The lock is held until the program's last save.
  FolderLock folderLock;
  if (const std::string inUse = folderLock.take(programFolder); !inUse.empty()) {
    std::cerr << "taluvin: " << inUse << '\n';
    return 2;
  }

  // Noted as the game starts, so a program that is killed still shows in the library as played.
  const std::string libraryGame = options.fresh ? std::string() : libraryGameOf(programFolder);
  if (!libraryGame.empty()) notePlayed(libraryGame, {});

  // A slot that cannot be restored is refused before anything is shown or written.
  if (!options.loadSave.empty()) {
    if (const std::string refusal = checkSlotToLoad(programFolder, programName, options.loadSave); !refusal.empty()) {
      std::cerr << "taluvin: " << refusal << '\n';
      return 2;
    }
  }

  Player player(options, programFolder, programName);
  connectTextOutputs(player, speech);
  installFullscreen(player, windowFactor);
  const QuitSignals quitSignals(player.endingFlag(), [&player](int) { player.endProgram(); });

  std::unique_ptr<TraceFile> traceFile;
  if (options.traceFile == "-") {
    traceFile = TraceFile::errorStream();
  } else if (!options.traceFile.empty()) {
    traceFile = TraceFile::create(options.traceFile);
    if (!traceFile) {
      std::cerr << "taluvin: cannot write the trace file " << options.traceFile << '\n';
      return 2;
    }
  }
  if (traceFile) {
    // The player's own line, not a game's marker: English, like its other messages.
    const long long megabytes = options.traceLimitMb;
    traceFile->setLimit(static_cast<unsigned long long>(megabytes) * 1024 * 1024,
                        "taluvin: the trace stops here, at its limit of " + std::to_string(megabytes) +
                            " MB (--trace-limit)");
    traceFile->attach(player.trace());
  }

  std::unique_ptr<Replay> replay;
  if (!options.replayFile.empty()) {
    replay = std::make_unique<Replay>(player, options.replayFile);
    if (options.verbose) replay->narrateTo(std::cout);
    if (!replay->load()) {
      std::cerr << "taluvin: " << replay->error() << '\n';
      return 2;
    }
    // The replay takes its actions, and finishes, only when the player is not busy, so its end
    // never cuts a run short.
    replay->onFinished = [&] {
      if (options.headless) player.endProgram();
    };
    replay->onFailed = [&](const std::string& reason) {
      std::cerr << "taluvin: " << reason << '\n';
      QCoreApplication::exit(2);
    };
  }

  if (options.headless) player.leaveWindowsUnpainted();
  showMainWindow(player, options, rememberedDisplay);
  if (options.start) {
    QTimer::singleShot(0, [&] {
      player.startClick();
      // Without a display and without a replay nothing more can happen once the start run is over.
      if (options.headless && !replay) player.requestQuit();
    });
  }
  if (options.resume) {
    QTimer::singleShot(0, [&] {
      player.resume();
      if (options.headless && !replay) player.requestQuit();
    });
  }
  if (!options.loadSave.empty()) {
    QTimer::singleShot(0, [&] {
      if (!restoreGameFromSlot(player, options.loadSave)) QCoreApplication::exit(2);
      else if (options.headless && !replay) player.requestQuit();
    });
  }
  if (replay) replay->begin();

  int code = 0;
  if (!player.quitRequested()) code = app.exec();
  rememberDisplay(player, options, rememberedDisplay);
  player.shutdown();
  if (!libraryGame.empty()) notePlayed(libraryGame, player.session().Posic);
  // Closing the device would wait on the audio thread; the process's end closes it at no cost.
  player.audio().stopForExit();
  if (traceFile) traceFile->flush();
  // A save that failed was said when it happened; whoever started the program learns it here too,
  // even when a later save went through, and before learning that a signal ended it: state may be
  // lost. A program that could not do what it was asked keeps saying that.
  if (StateWriter::instance().failedWrites() > 0 && code != 2) return kSaveFailedExitCode;
  // Ended by a signal: say so in the exit code, as a shell would for a process the signal killed.
  if (quitSignals.received() != 0) return 128 + quitSignals.received();
  return code;
}
