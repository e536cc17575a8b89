// Start-up: the game's sounds played from a folder other than ./sounds.
#include "app/sounds_from_folder.h"

#include <string_view>

namespace breliko::app {

namespace {

constexpr std::string_view kGameSoundFolder = "sounds/";

}  // namespace

SoundsFromFolder::SoundsFromFolder(sound::SoundOutput& player, const QString& folder)
    : player_(player), folder_(folder.toStdString()) {}

void SoundsFromFolder::Play(const std::string& file, std::int32_t flags) {
  if (file.starts_with(kGameSoundFolder)) {
    player_.Play(folder_ + '/' + file.substr(kGameSoundFolder.size()), flags);
  } else {
    player_.Play(file, flags);
  }
}

}  // namespace breliko::app
