#pragma once

#include <QString>

namespace breliko::highscore {

// A link named P1.dat is followed, so that the undo copy, the temporary file
// and the lock sit beside the file it leads to: two folders that share one
// list through links then share its lock and its undo copy as well.
//
// Only a link of the player's own, or of the folder's owner, is followed, as
// the kernel's protected links do in a folder everyone may write to: a link
// another user planted in /tmp must not make the save write a file of the
// player's. Nor is a link that leads nowhere, through which a save would
// create a file of that other user's choosing. Such a link is kept as the
// name, where no open follows it (RegularFile), so it is told, never used.
QString ListTarget(const QString& path);

}  // namespace breliko::highscore
