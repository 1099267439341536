// The click sound of one key press, as it is played now (resolved once, decoded once and kept) and
// as it was played before (resolved twice, decoded and converted every press); and the cost of
// closing the audio device at the end of the program against leaving it to the process's end.
#include "services/audio_service.h"
#include "state/game_paths.h"
#include "state/text_file.h"

#include <benchmark/benchmark.h>
#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using taluvin::AudioService;

// A 0.15 s click at 22050 Hz mono, the kind of file games ship: every press converts it to the
// device's 44100 Hz stereo.
struct ClickGame {
  ClickGame() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::string pattern = (std::filesystem::temp_directory_path() / "taluvin-audio-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    folder = pattern + "/";
    constexpr uint32_t kRate = 22050;
    const uint32_t samples = kRate * 15 / 100;
    std::ofstream out(folder + "clk3.wav", std::ios::binary);
    auto put = [&out](uint32_t value, int bytes) {
      for (int i = 0; i < bytes; ++i) out.put(static_cast<char>(value >> (8 * i)));
    };
    out << "RIFF";
    put(36 + samples * 2, 4);
    out << "WAVEfmt ";
    for (uint32_t v : {16u, 1u | (1u << 16), kRate, kRate * 2, 2u | (16u << 16)}) put(v, 4);
    out << "data";
    put(samples * 2, 4);
    for (uint32_t i = 0; i < samples; ++i)
      put(static_cast<uint16_t>(static_cast<int16_t>(6000 * std::sin(i * 0.3) * (1.0 - double(i) / samples))), 2);
  }
  ~ClickGame() { std::filesystem::remove_all(folder); }
  std::string folder;
};

ClickGame& clickGame() {
  static ClickGame game;
  return game;
}

void ClickSoundPerPress(benchmark::State& state) {
  const std::string& folder = clickGame().folder;  // also picks the silent driver
  AudioService audio;
  if (!audio.start()) state.SkipWithError("no audio device");
  for (auto _ : state) {
    auto path = taluvin::resolveInFolder(folder, "clk3.wav");
    benchmark::DoNotOptimize(path && audio.playEffectIfLoadable(*path));
  }
}
BENCHMARK(ClickSoundPerPress)->Unit(benchmark::kMicrosecond);

// The press as it was: a check that the file exists, a second resolve, and a fresh decode.
void ClickSoundPerPressDecodedEachTime(benchmark::State& state) {
  const std::string& folder = clickGame().folder;  // also picks the silent driver
  AudioService audio;
  if (!audio.start()) state.SkipWithError("no audio device");
  Mix_Chunk* playing = nullptr;
  for (auto _ : state) {
    auto checked = taluvin::resolveInFolder(folder, "clk3.wav");
    if (!checked || !taluvin::fileExists(*checked)) continue;
    auto path = taluvin::resolveInFolder(folder, "clk3.wav");
    Mix_HaltChannel(0);
    if (playing) Mix_FreeChunk(playing);
    playing = Mix_LoadWAV(path->c_str());
    Mix_PlayChannel(0, playing, 0);
  }
  Mix_HaltChannel(0);
  if (playing) Mix_FreeChunk(playing);
}
BENCHMARK(ClickSoundPerPressDecodedEachTime)->Unit(benchmark::kMicrosecond);

// What the end of the program costs: closing waits on the audio thread, stopping does not.
void AudioEndClosingTheDevice(benchmark::State& state) {
  clickGame();
  for (auto _ : state) {
    state.PauseTiming();
    AudioService audio;
    audio.start();
    state.ResumeTiming();
    audio.stop();
  }
}
BENCHMARK(AudioEndClosingTheDevice)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void AudioEndStoppingForExit(benchmark::State& state) {
  clickGame();
  for (auto _ : state) {
    state.PauseTiming();
    auto* audio = new AudioService;
    audio->start();
    state.ResumeTiming();
    audio->stopForExit();
    state.PauseTiming();
    // Not timed: the next round needs the device closed, which the process's end does otherwise.
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    delete audio;
    state.ResumeTiming();
  }
}
BENCHMARK(AudioEndStoppingForExit)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace
