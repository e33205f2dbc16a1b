#pragma once

#include <QString>

#include <functional>

namespace suite {

// Settings, records and helper tools live in the program directory. A copy run
// from the build tree or a portable folder keeps them beside the executable;
// an installed copy, whose folder the user cannot write, keeps them in the
// user's data folder instead, which is created on first use.
//
// `canWrite` decides whether a folder takes new files; tests inject it, since
// as root every folder looks writable.
QString chooseProgramDir(const QString& executableDir, const QString& userDataDir,
                         const std::function<bool(const QString&)>& canWrite);

// True when a new file can be created in `dir` (and is removed again). Asking
// the file system is the only answer that holds for read-only mounts, ACLs
// and sandboxes alike.
bool canCreateFilesIn(const QString& dir);

// The rule above for the running program: its executable's folder, else
// QStandardPaths::AppDataLocation.
QString programDir();

} // namespace suite
