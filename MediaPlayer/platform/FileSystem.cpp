#include "platform/FileSystem.h"

#include <QByteArray>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool isReadableFile(const QString& path) {
    // A NUL would cut the converted path short and name some other file.
    if (path.isEmpty() || path.contains(QChar(u'\0')))
        return false;
    const QByteArray bytes = path.toUtf8();
    struct stat st;
    // Only regular files get opened: opening a device can have side effects.
    if (::stat(bytes.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    // Non-blocking, in case the file was swapped for a FIFO since the stat.
    const int fd = ::open(bytes.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

std::vector<FolderItem> listFolder(const QString& folder) {
    std::vector<FolderItem> items;
    if (folder.isEmpty() || folder.contains(QChar(u'\0')))
        return items;
    DIR* dir = ::opendir(folder.toUtf8().constData());
    if (!dir)
        return items;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        bool isDirectory = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            // Follows links, so a link to a folder counts as a folder.
            struct stat st;
            isDirectory = ::fstatat(fd, entry->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        items.push_back({QString::fromUtf8(entry->d_name), isDirectory});
    }
    ::closedir(dir);
    return items;
}

} // namespace platform
