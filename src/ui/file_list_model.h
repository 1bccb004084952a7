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

    // The workspace's list changed in any way: shows it anew.
    void reload();
    // Puts `paths` (sorted as the file list is, with their names) in the workspace's place,
    // announcing only the entries removed and added. A list that is not sorted, or that
    // differs in too many places, is shown anew instead.
    void replace(std::vector<std::string> paths, QStringList names);
    // The entry at `row` has a new path (a rename), in the workspace's list already.
    void renamed(int row);

  private:
    void reset(std::vector<std::string> paths, QStringList names);

    Workspace& workspace_;
    QStringList names_;  // one for each entry of the workspace's list
};

}  // namespace brevino::ui
