#include "playback/PlayListData.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList pathsOf(const PlayListData& list) {
    QStringList paths;
    for (int i = 0; i < list.count(); ++i)
        paths << list.pathAt(i);
    return paths;
}

// A temporary folder to fill with files, folders, links and FIFOs.
class PlayListFolder : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString at(const QString& name) const { return dir.path() + u'/' + name; }

    void makeFiles(const QStringList& names) const {
        for (const QString& name : names) {
            QFile file(at(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        }
    }

    QStringList fullPaths(const QStringList& names) const {
        QStringList paths;
        for (const QString& name : names)
            paths << at(name);
        return paths;
    }

    QTemporaryDir dir;
};

} // namespace

TEST(PlayListSupport, AcceptsTextFromLastDotContainingMp4) {
    const struct {
        const char* path;
        bool supported;
    } cases[] = {
        {"/v/clip.mp4", true},
        {"/v/CLIP.MP4", true},
        {"/v/clip.mp4v", true},
        {"/v/clip.amp4", true},
        {"/v/clip.mp3", false},
        {"/v/clip", false},
        {"clip", false},
        {"", false},
        {"/x/clips.mp4/file", true}, // the last '.' may sit in a folder name
        {"/a.b/clip", false},
        {"/v/clip.mp4.txt", false}, // only the text from the LAST '.' counts
        {"/v/clip.txt/a.MP4", true},
    };
    PlayListData list;
    for (const auto& c : cases)
        EXPECT_EQ(list.isSupported(QString::fromUtf8(c.path)), c.supported) << c.path;
}

TEST(FileNameOf, TakesTextAfterLastSlash) {
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"/a/b/clip.mp4", "clip.mp4"}, {"clip.mp4", "clip.mp4"}, {"/a/b/", ""}, {"/", ""}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fileNameOf(QString::fromUtf8(c.path)), QString::fromUtf8(c.name)) << c.path;
}

TEST(SplitWords, AppendsEachWhiteSpaceSeparatedWord) {
    const struct {
        const char* text;
        QStringList words;
    } cases[] = {
        {"", {}},
        {" \t\n ", {}},
        {"mp4", {"mp4"}},
        {"  mp4 \t\n avi  mkv ", {"mp4", "avi", "mkv"}},
    };
    for (const auto& c : cases) {
        std::vector<QString> words{QStringLiteral("old")};
        const int size = splitWords(QString::fromUtf8(c.text), words);
        EXPECT_EQ(size, c.words.size() + 1) << c.text;
        EXPECT_EQ(QStringList(words.begin(), words.end()), QStringList{"old"} + c.words) << c.text;
    }
}

TEST_F(PlayListFolder, ReadableFileIsOnlyARegularFile) {
    makeFiles({"clip.mp4"});
    ASSERT_EQ(::symlink(at("clip.mp4").toUtf8().constData(), at("link.mp4").toUtf8().constData()),
              0);
    ASSERT_EQ(::mkfifo(at("pipe.mp4").toUtf8().constData(), 0644), 0);
    const struct {
        QString path;
        bool readable;
    } cases[] = {
        {at("clip.mp4"), true},
        {at("link.mp4"), true},
        {at("missing.mp4"), false},
        {dir.path(), false},
        {at("pipe.mp4"), false},
        {"/dev/null", false},
        {"", false},
        {at("clip.mp4") + QChar(u'\0') + "x", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::isReadableFile(c.path), c.readable) << c.path.toStdString();
}

TEST_F(PlayListFolder, ListsEveryEntryWithItsDirectoryFlag) {
    makeFiles({"clip.mp4"});
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    ASSERT_EQ(::symlink("sub", at("dirlink").toUtf8().constData()), 0);
    ASSERT_EQ(::symlink("clip.mp4", at("filelink").toUtf8().constData()), 0);
    ASSERT_EQ(::symlink("nowhere", at("broken").toUtf8().constData()), 0);

    QMap<QString, bool> listed;
    for (const platform::FolderItem& item : platform::listFolder(dir.path() + u'/'))
        listed.insert(item.name, item.isDirectory);
    const QMap<QString, bool> expected{
        {".", true},       {"..", true},        {"clip.mp4", false}, {"sub", true},
        {"dirlink", true}, {"filelink", false}, {"broken", false},
    };
    EXPECT_EQ(listed, expected);

    EXPECT_TRUE(platform::listFolder(at("missing/")).empty());
    EXPECT_TRUE(platform::listFolder(at("clip.mp4")).empty());
}

TEST_F(PlayListFolder, SortsAcceptedFilesByCodeUnitsAndKeepsTheCurrentOne) {
    // U+1F600 is stored as D83D DE00, so it sorts before U+FF01 although its code point is
    // larger; "a.mp4" is a prefix of "a.mp4v" and goes first.
    const QStringList accepted{"A.MP4",
                               "a.mp4",
                               "a.mp4v",
                               "b.mp4",
                               "z.mp4",
                               QString::fromUtf8("\u00E9.mp4"),
                               QString::fromUtf8("\U0001F600.mp4"),
                               QString::fromUtf8("\uFF01.mp4")};
    makeFiles({"b.mp4", "notes.txt", QString::fromUtf8("\uFF01.mp4"), "song.mp3", "README",
               "a.mp4v", QString::fromUtf8("\U0001F600.mp4"), "z.mp4", "A.MP4",
               QString::fromUtf8("\u00E9.mp4"), "a.mp4"});

    PlayListData list;
    EXPECT_EQ(list.loadFolder(at("b.mp4")), accepted.size());
    EXPECT_EQ(pathsOf(list), fullPaths(accepted));
    EXPECT_EQ(list.currentIndex(), 3);
    EXPECT_EQ(list.pathAt(list.currentIndex()), at("b.mp4"));
}

TEST_F(PlayListFolder, LeavesOutHiddenFilesFoldersAndSpecialFiles) {
    makeFiles({"clip.mp4", ".hidden.mp4", "target.txt"});
    QDir folder(dir.path());
    ASSERT_TRUE(folder.mkdir("x.mp4"));
    ASSERT_TRUE(folder.mkdir(".cache.mp4"));
    ASSERT_EQ(::symlink("x.mp4", at("dirlink.mp4").toUtf8().constData()), 0);
    ASSERT_EQ(::symlink("target.txt", at("filelink.mp4").toUtf8().constData()), 0);
    ASSERT_EQ(::symlink("nowhere", at("broken.mp4").toUtf8().constData()), 0);
    // Opening a FIFO for reading would block until a writer came.
    ASSERT_EQ(::mkfifo(at("pipe.mp4").toUtf8().constData(), 0644), 0);

    PlayListData list;
    EXPECT_EQ(list.loadFolder(at("clip.mp4")), 2);
    EXPECT_EQ(pathsOf(list), fullPaths({"clip.mp4", "filelink.mp4"}));
    EXPECT_EQ(list.currentIndex(), 0);
}

// Big enough for the readability checks to be shared out, with rejects spread through it.
TEST_F(PlayListFolder, LargeFolderKeepsEveryAcceptedFileOnce) {
    QStringList names;
    QStringList accepted;
    for (int i = 0; i < 1200; ++i) {
        const QString name = QStringLiteral("clip%1.mp4").arg(i, 4, 10, QChar(u'0'));
        if (i % 7 == 3) {
            ASSERT_EQ(::mkfifo(at(name).toUtf8().constData(), 0644), 0);
        } else if (i % 11 == 5) {
            ASSERT_TRUE(QDir(dir.path()).mkdir(name));
        } else {
            names << name;
            accepted << name;
        }
        names << QStringLiteral("note%1.txt").arg(i);
    }
    makeFiles(names);

    PlayListData list;
    EXPECT_EQ(list.loadFolder(at(accepted.last())), accepted.size());
    EXPECT_EQ(pathsOf(list), fullPaths(accepted));
    EXPECT_EQ(list.currentIndex(), accepted.size() - 1);
}

TEST_F(PlayListFolder, CurrentNeedsTheExactLetterCase) {
    makeFiles({"A.MP4", "a.mp4"});
    PlayListData list;
    EXPECT_EQ(list.loadFolder(at("A.mp4")), 2);
    EXPECT_EQ(list.currentIndex(), -1);
}

TEST_F(PlayListFolder, SingleFileIsTheCurrentEntry) {
    makeFiles({"only.mp4"});
    PlayListData list;
    EXPECT_EQ(list.loadFolder(at("only.mp4")), 1);
    EXPECT_EQ(list.currentIndex(), 0);
    EXPECT_EQ(list.pathAt(0), at("only.mp4"));
}

TEST_F(PlayListFolder, UnusablePathClearsTheList) {
    makeFiles({"a.mp4", "b.mp4"});
    const QString cases[] = {"a.mp4", at("missing/a.mp4"), ""};
    for (const QString& path : cases) {
        PlayListData list;
        ASSERT_EQ(list.loadFolder(at("a.mp4")), 2);
        EXPECT_EQ(list.loadFolder(path), 0) << path.toStdString();
        EXPECT_EQ(list.count(), 0) << path.toStdString();
        EXPECT_EQ(list.currentIndex(), -1) << path.toStdString();
    }
}

TEST_F(PlayListFolder, AddFileTakesOnlyReadableSupportedFiles) {
    makeFiles({"a.mp4", "b.txt"});
    PlayListData list;
    EXPECT_EQ(list.addFile(at("a.mp4"), 0), 0);
    EXPECT_EQ(list.addFile(at("b.txt"), 0), -1);
    EXPECT_EQ(list.addFile(at("missing.mp4"), 0), -1);
    EXPECT_EQ(list.addFile(at("a.mp4"), 1), 1);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.currentIndex(), 1);
}

TEST_F(PlayListFolder, IndexOperationsOutOfRangeAreHarmless) {
    makeFiles({"a.mp4", "b.mp4", "c.mp4"});
    PlayListData list;
    ASSERT_EQ(list.loadFolder(at("b.mp4")), 3);
    for (int index : {-1, 3}) {
        EXPECT_EQ(list.pathAt(index), QString()) << index;
        list.setCurrent(index);
        list.removeAt(index);
        EXPECT_EQ(list.count(), 3) << index;
        EXPECT_EQ(list.currentIndex(), 1) << index;
    }
    EXPECT_EQ(pathsOf(list), fullPaths({"a.mp4", "b.mp4", "c.mp4"}));
}

TEST_F(PlayListFolder, SetCurrentMarksOnlyOneEntry) {
    makeFiles({"a.mp4", "b.mp4", "c.mp4"});
    PlayListData list;
    ASSERT_EQ(list.loadFolder(at("a.mp4")), 3);
    list.setCurrent(2);
    EXPECT_EQ(list.currentIndex(), 2);
    list.removeAt(2);
    EXPECT_EQ(list.currentIndex(), -1); // the old current flag was cleared, not left behind
}

TEST_F(PlayListFolder, RemovingBeforeTheCurrentKeepsItsFile) {
    makeFiles({"a.mp4", "b.mp4", "c.mp4"});
    PlayListData list;
    ASSERT_EQ(list.loadFolder(at("c.mp4")), 3);
    list.removeAt(0);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.currentIndex(), 1);
    EXPECT_EQ(list.pathAt(list.currentIndex()), at("c.mp4"));
    EXPECT_EQ(pathsOf(list), fullPaths({"b.mp4", "c.mp4"}));
}
