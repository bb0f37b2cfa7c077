#pragma once

#include <QString>
#include <vector>

namespace platform {

// True when the path names a regular file that can be opened for reading. The open never
// blocks, so a FIFO or device given in place of a file cannot hang the player.
bool isReadableFile(const QString& path);

struct FolderItem {
    QString name;
    bool isDirectory = false;
};

// Every entry of the folder ("." and ".." included, as the system reports them), with its
// directory flag. A folder that cannot be listed gives an empty list.
std::vector<FolderItem> listFolder(const QString& folder);

} // namespace platform
