// Start-up: the player's choice of symbols on the colour tiles, kept between runs.
#pragma once

namespace breliko::app {

// Whether the player last switched the tile symbols on. False when the
// choice was never made. Read from the program's settings file
// ($XDG_CONFIG_HOME/breliko/breliko.conf), named after the organisation and
// application names of the running program; reading never writes it.
bool RememberedTileSymbols();

// Keeps the player's choice for the next runs.
void RememberTileSymbols(bool on);

}  // namespace breliko::app
