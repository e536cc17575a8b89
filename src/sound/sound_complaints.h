// Sound: the stderr lines for files that cannot be played, one per file and run.
#pragma once

#include <mutex>
#include <ostream>
#include <set>
#include <string>

namespace breliko::sound {

// Tells once about each sound that cannot be played. A broken file is
// played again with every turn of the game; one line about it is news, a
// line per turn would bury the terminal. Used from the game's thread and
// from the audio thread alike.
class SoundComplaints {
 public:
  explicit SoundComplaints(std::ostream& out) : out_(out) {}

  // Writes "breliko: cannot play <what>: <problem>" unless a line about
  // `what` has been written before.
  void Tell(const std::string& what, const std::string& problem);

  // Writes that the audio output did not let the player close in time.
  void TellShutdownStalled();

 private:
  std::mutex mutex_;
  std::ostream& out_;
  std::set<std::string> told_;
};

}  // namespace breliko::sound
