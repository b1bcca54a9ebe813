// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>

/// Everything under a directory, without following links: each entry's path
/// relative to the directory, mapped to what it is ("dir", "link -> TARGET",
/// or a regular file's mode, size and a digest of its bytes). Two snapshots are equal exactly when
/// nothing under the directory was added, removed or changed.
using TDirSnapshot = std::map<std::string, std::string>;

TDirSnapshot snapshotDir(const std::string& aDir);

/// The snapshot's text for a regular file with these bytes and mode bits.
std::string fileEntry(const std::string& aBytes, unsigned aMode);
