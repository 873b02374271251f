#pragma once

#include "storage/StorageResult.h"

#include <QString>

// True only for an existing regular file (a folder, a pipe or a device gives false).
bool FileExists(const QString &path);
// True only for an existing folder (a file's path gives false).
bool FolderExists(const QString &path);
// Deletes the folder with everything in it, hidden and read-only entries
// included. A symbolic link is removed as a link; its target is never touched.
// Stops at the first failure; what was deleted before stays deleted.
StorageResult DeleteFolderTree(const QString &path);
