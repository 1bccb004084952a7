// The file list of a workspace as a list model: each entry shows its file name (typing a
// name's first letters finds it) with the whole path as its tooltip. A new listing of the
// same folder is taken in by difference, so that the selection, the scroll position and the
// window's time are spared; the names shown are made beforehand, off the window's thread
// for a large folder.
#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <string>
#include <vector>

namespace brevino {
class Workspace;
}

namespace brevino::ui {

// The names the list shows for these paths (their file names).
QStringList displayNames(const std::vector<std::string>& paths);

class FileListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit FileListModel(Workspace& workspace, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // What a new list put aside: freeing a hundred thousand names takes the window's thread
    // a while, so the caller may free them elsewhere.
    struct Discarded {
        std::vector<std::string> files;
        QStringList names;
    };

    // The workspace's list changed in any way: shows it anew.
    void reload();
    // Puts `paths` (sorted as the file list is, with their names) in the workspace's place and
    // shows them anew.
    Discarded take(std::vector<std::string> paths, QStringList names);
    // The same, announcing only the entries removed and added (in a long list, or many of
    // them, all at once, the selection kept). After reload() of a list that was not sorted,
    // the list is shown anew instead.
    Discarded replace(std::vector<std::string> paths, QStringList names);
    // The entry at `row` has a new path (a rename), in the workspace's list already.
    void renamed(int row);

  private:
    Discarded reset(std::vector<std::string> paths, QStringList names);

    Workspace& workspace_;
    QStringList names_;    // one for each entry of the workspace's list
    bool sorted_ = false;  // the workspace's list is in its order
};

}  // namespace brevino::ui
