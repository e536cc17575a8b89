#pragma once

#include <QString>

namespace breliko::highscore {

// A new name or a removed one is a change of the folder, lasting only once
// the folder is synced too. What went wrong, empty when all went well.
QString SyncFolderOf(const QString& path);

}  // namespace breliko::highscore
