// Sound: the stderr lines for files that cannot be played, one per file and run.
#include "sound/sound_complaints.h"

namespace breliko::sound {

void SoundComplaints::Tell(const std::string& what, const std::string& problem) {
  const std::lock_guard lock(mutex_);
  if (!told_.insert(what).second) return;
  out_ << "breliko: cannot play " << what << ": " << problem << std::endl;
}

void SoundComplaints::TellShutdownStalled() {
  const std::lock_guard lock(mutex_);
  out_ << "breliko: the audio output does not answer; the game ends without it" << std::endl;
}

}  // namespace breliko::sound
