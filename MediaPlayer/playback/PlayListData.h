#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// One file of the folder play list.
struct PlayListEntry {
    std::int32_t current = 0; // 1 for the file being played
    QString path;
};

// The accepted files of the current file's folder, in path order. It also owns the test
// that decides which files the player accepts at all.
class PlayListData {
public:
    virtual ~PlayListData() = default;

    // True when the text from the path's last '.' on, ASCII letters lower-cased, contains
    // an accepted extension word.
    bool isSupported(const QString& path);
    // Appends a readable, supported file; its index, or -1 when it was left out.
    int addFile(const QString& path, int current);
    // Replaces the list with the accepted files of the path's folder, the path itself
    // (exact letter case) marked current; returns the count.
    int loadFolder(const QString& path);
    // Ascending by UTF-16 code units.
    void sortByPath();

    int count() const;
    int currentIndex() const;
    void setCurrent(int index);
    QString pathAt(int index) const;
    void removeAt(int index);

private:
    std::vector<PlayListEntry> entries;
    std::vector<QString> extensions; // accepted extension words, filled on first use
};

// The text after the last '/', or the whole text when there is none.
QString fileNameOf(const QString& path);

// Appends each white-space separated word of text to words; returns the new size.
int splitWords(const QString& text, std::vector<QString>& words);
