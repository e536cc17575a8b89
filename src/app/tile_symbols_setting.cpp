// Start-up: the player's choice of symbols on the colour tiles, kept between runs.
#include "app/tile_symbols_setting.h"

#include <QSettings>

namespace breliko::app {

namespace {

constexpr char kKey[] = "tileSymbols";

}  // namespace

bool RememberedTileSymbols() { return QSettings().value(QLatin1String(kKey), false).toBool(); }

void RememberTileSymbols(bool on) {
  QSettings settings;
  settings.setValue(QLatin1String(kKey), on);
  settings.sync();
}

}  // namespace breliko::app
