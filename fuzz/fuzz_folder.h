#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace breliko::fuzz {

// The folder where every input becomes a highscore file. It is made once per
// run (under $TMPDIR, which tools/fuzz.sh puts in memory, since every save
// syncs to the disk) and goes away when the run ends normally.
void MakeFuzzFolder();

QString HighscorePath();

// Clears the folder and puts `bytes` there as the highscore file.
void PutFile(const QByteArray& bytes);

// Clears the folder: there is no highscore file at all.
void RemoveFile();

// Puts `bytes` beside the highscore file under the file's name and `tail`.
void PutBeside(const QString& tail, const QByteArray& bytes);

QByteArray FileBytes();

// The names of everything in the folder, so a save that leaves its temporary
// file behind is caught.
QStringList FolderEntries();

// Stops the run with `what` on stderr when `holds` is false; libFuzzer takes
// the abort for a crash and keeps the input.
void Require(bool holds, const char* what);

}  // namespace breliko::fuzz
