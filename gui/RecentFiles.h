#pragma once
// The recent-file list of the File menu: the last four documents opened, newest first,
// kept in the user's settings between runs.

#include <QStringList>

namespace vorna {

class RecentFiles {
public:
    static constexpr int kCapacity = 4;

    RecentFiles();

    const QStringList& Paths() const { return paths_; }
    // Moves `path` to the top (adding it when new) and saves the list.
    void Add(const QString& path);
    void Remove(const QString& path);

private:
    void Save() const;

    QStringList paths_;
};

}  // namespace vorna
