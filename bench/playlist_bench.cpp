// Times PlayListData::loadFolder on folders of growing size: half the names are empty
// .mp4 files, half are names the list leaves out.

#include "playback/PlayListData.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool makeFolder(const QString& folder, int files) {
    const QByteArray base = folder.toUtf8() + '/';
    for (int i = 0; i < files; ++i) {
        for (const char* ext : {".mp4", ".txt"}) {
            const QByteArray path = base + "clip" + QByteArray::number(i) + ext;
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            if (fd < 0)
                return false;
            ::close(fd);
        }
    }
    return true;
}

// Best of three, in seconds.
double timeLoad(const QString& folder, int expected) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        PlayListData list;
        QElapsedTimer timer;
        timer.start();
        const int count = list.loadFolder(folder + QStringLiteral("/clip0.mp4"));
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (count != expected || list.currentIndex() < 0) {
            std::fprintf(stderr, "loadFolder gave %d files (expected %d), current %d\n", count,
                         expected, list.currentIndex());
            return -1;
        }
        best = std::min(best, seconds);
    }
    return best;
}

} // namespace

int main() {
    const int sizes[] = {1000, 10000, 100000};
    double times[3] = {};
    for (int i = 0; i < 3; ++i) {
        QTemporaryDir dir;
        if (!dir.isValid() || !makeFolder(dir.path(), sizes[i])) {
            std::fprintf(stderr, "cannot make the folder of %d files\n", sizes[i]);
            return 1;
        }
        times[i] = timeLoad(dir.path(), sizes[i]);
        if (times[i] < 0)
            return 1;
        std::printf("loadFolder %7d files: %.3f s  (folder of %d names)\n", sizes[i], times[i],
                    2 * sizes[i]);
        std::fflush(stdout);
    }
    const double nLogN = (1e5 * std::log(1e5)) / (1e4 * std::log(1e4));
    std::printf("ratio t(100000)/t(10000): %.2f  (n log n ratio %.2f)\n", times[2] / times[1],
                nLogN);
    return 0;
}
