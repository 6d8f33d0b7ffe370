#pragma once
// The program keeps its data files beside the executable. When that folder cannot be written
// (an installed copy), the per-user data folder takes its place and receives a copy of each
// shipped file that it does not have yet, so the user's own puzzles are never overwritten.

#include <QString>

namespace quorvel::view {

// executableFolder when it is writable, else userFolder (created and seeded). Returns the
// executable folder as a last resort when the user folder cannot be made either.
QString chooseProgramFolder(const QString& executableFolder, const QString& userFolder);

// Copies each shipped file from source to target when the target lacks it.
void seedMissingFiles(const QString& sourceFolder, const QString& targetFolder);

}  // namespace quorvel::view
