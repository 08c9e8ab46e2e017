#pragma once

#include <QString>
#include <QStringList>

// The board-layout seed file (ZRK_Boss.dat) built from readable sources: one tab-separated file
// per seed table, "<seed table>.tsv", whose first line names the columns (any of the board
// table's columns, in any order); every further line is one row. A cell "\N" is a Null (the
// console then leaves the column at its default); an empty cell is the empty text. Lines that
// start with "#" and blank lines are comments.
namespace zrk::seed {

// Reads and checks the five sources of a folder and writes the seed file: a new SQLite file with
// the five seed tables (the board tables' columns and keys, every column accepting Null).
// Raises zrk::Error naming the source file and line on any fault: a missing file, an unknown or
// repeated column, a cell that is no number in a number column, a text longer than its column,
// a repeated key, a table without rows, or a backup row whose element is not in the layout. The
// output is written through a temporary file, so a failed build leaves no seed file behind.
void buildSeedFile(const QString& sourceFolder, const QString& outputFile);

} // namespace zrk::seed
