#include "playback/PlayListData.h"

#include "platform/FileSystem.h"

#include <algorithm>
#include <string_view>
#include <system_error>
#include <thread>

namespace {

// Plain code-unit order, independent of locale.
std::u16string_view units(const QString& text) {
    return std::u16string_view(QStringView(text).utf16(), static_cast<std::size_t>(text.size()));
}

// platform::isReadableFile for each path. Its stat and open dominate the time of a large
// folder, so big lists are split over the cores.
std::vector<char> readableFlags(const std::vector<QString>& paths) {
    constexpr std::size_t minPerThread = 256;
    std::vector<char> flags(paths.size());
    const auto check = [&paths, &flags](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i)
            flags[i] = platform::isReadableFile(paths[i]) ? 1 : 0;
    };
    const std::size_t parts = std::clamp<std::size_t>(
        paths.size() / minPerThread, 1, std::max(1u, std::thread::hardware_concurrency()));
    const std::size_t partSize = (paths.size() + parts - 1) / parts;
    std::vector<std::thread> workers;
    workers.reserve(parts);
    for (std::size_t begin = partSize; begin < paths.size(); begin += partSize) {
        const std::size_t end = std::min(begin + partSize, paths.size());
        try {
            workers.emplace_back(check, begin, end);
        } catch (const std::system_error&) {
            check(begin, end); // no thread to be had: do the part here
        }
    }
    check(0, std::min(partSize, paths.size()));
    for (std::thread& worker : workers)
        worker.join();
    return flags;
}

} // namespace

bool PlayListData::isSupported(const QString& path) {
    if (extensions.empty())
        splitWords(QStringLiteral("mp4"), extensions);
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0)
        return false;
    QString tail = path.mid(dot);
    for (QChar& c : tail) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            c = QChar(static_cast<char16_t>(u - u'A' + u'a'));
    }
    return std::any_of(extensions.begin(), extensions.end(),
                       [&tail](const QString& word) { return tail.contains(word); });
}

int PlayListData::addFile(const QString& path, int current) {
    // The name test first: it is cheap and spares a stat and open for most files.
    if (!isSupported(path) || !platform::isReadableFile(path))
        return -1;
    entries.push_back({current, path});
    return count() - 1;
}

int PlayListData::loadFolder(const QString& path) {
    entries.clear();
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return 0;
    const QString folder = path.left(slash + 1);
    // Same result as addFile on each item, with the readability checks done in one batch.
    std::vector<QString> candidates;
    for (const platform::FolderItem& item : platform::listFolder(folder)) {
        if (item.isDirectory || item.name.startsWith(u'.'))
            continue;
        QString fullPath = folder + item.name;
        if (isSupported(fullPath))
            candidates.push_back(std::move(fullPath));
    }
    const std::vector<char> readable = readableFlags(candidates);
    entries.reserve(candidates.size());
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (readable[i])
            entries.push_back({candidates[i] == path ? 1 : 0, std::move(candidates[i])});
    }
    sortByPath();
    return count();
}

void PlayListData::sortByPath() {
    std::sort(entries.begin(), entries.end(), [](const PlayListEntry& a, const PlayListEntry& b) {
        return units(a.path) < units(b.path);
    });
}

int PlayListData::count() const {
    return static_cast<int>(entries.size());
}

int PlayListData::currentIndex() const {
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [](const PlayListEntry& e) { return e.current != 0; });
    return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
}

void PlayListData::setCurrent(int index) {
    if (index < 0 || index >= count())
        return;
    for (int i = 0; i < count(); ++i)
        entries[static_cast<std::size_t>(i)].current = i == index ? 1 : 0;
}

QString PlayListData::pathAt(int index) const {
    if (index < 0 || index >= count())
        return QString();
    return entries[static_cast<std::size_t>(index)].path;
}

void PlayListData::removeAt(int index) {
    if (index < 0 || index >= count())
        return;
    entries.erase(entries.begin() + index);
}

QString fileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

int splitWords(const QString& text, std::vector<QString>& words) {
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        while (i < size && text.at(i).isSpace())
            ++i;
        const qsizetype start = i;
        while (i < size && !text.at(i).isSpace())
            ++i;
        if (i > start)
            words.push_back(text.mid(start, i - start));
    }
    return static_cast<int>(words.size());
}
