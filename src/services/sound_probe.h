// Whether a sound or music file opens the way play opens it, asked without playing anything.
#pragma once

#include <string>

namespace taluvin {

enum class SoundUse { Effect, Music };

// Why SDL_mixer cannot open the file (a native path) as an effect or as music, or empty when it
// can. Without any audio driver or without the sound library nothing can be told, and the answer
// is empty too.
std::string soundFileProblem(const std::string& path, SoundUse use);

}  // namespace taluvin
