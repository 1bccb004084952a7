#include "ui/file_list_model.h"

#include <algorithm>

#include "platform/file_io.h"
#include "ui/qt_text.h"
#include "workspace/file_list.h"
#include "workspace/workspace.h"

namespace brevino::ui {
namespace {

// Beyond this many runs of added or removed entries, one reset costs the window less than
// announcing each run.
constexpr size_t kMostRuns = 64;

bool isSorted(const std::vector<std::string>& paths) {
    return std::is_sorted(
        paths.begin(), paths.end(),
        [](const std::string& a, const std::string& b) { return pathLessIgnoringCase(a, b); });
}

// One run of entries that leave the old list or join it, at a position of the list as it
// stands when the run is applied.
struct Run {
    bool insert = false;
    size_t at = 0;    // position in the list being changed
    size_t from = 0;  // first entry: of the old list (removals) or the new list (insertions)
    size_t count = 0;
};

// The runs that turn `old` into `now`, both sorted; entries equal but for letter case count as
// different files.
std::vector<Run> differences(const std::vector<std::string>& old,
                             const std::vector<std::string>& now) {
    std::vector<Run> runs;
    size_t i = 0, j = 0, position = 0;
    auto add = [&](bool insert, size_t from) {
        if (!runs.empty() && runs.back().insert == insert &&
            runs.back().from + runs.back().count == from &&
            runs.back().at + (insert ? runs.back().count : 0) == position) {
            ++runs.back().count;
        } else {
            runs.push_back({insert, position, from, 1});
        }
    };
    while (i < old.size() || j < now.size()) {
        if (i < old.size() && j < now.size() && old[i] == now[j]) {
            ++i, ++j, ++position;
        } else if (j == now.size() || (i < old.size() && !pathLessIgnoringCase(now[j], old[i]))) {
            add(false, i++);  // gone (or equal but for case: the new one comes after it)
        } else {
            add(true, j++);
            ++position;
        }
        if (runs.size() > kMostRuns) break;
    }
    return runs;
}

}  // namespace

QStringList displayNames(const std::vector<std::string>& paths) {
    QStringList names;
    names.reserve(static_cast<qsizetype>(paths.size()));
    for (const std::string& path : paths) {
        const std::string_view name = fileNameOf(path);
        names << QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
    }
    return names;
}

FileListModel::FileListModel(Workspace& workspace, QObject* parent)
    : QAbstractListModel(parent), workspace_(workspace) {
    names_ = displayNames(workspace_.fileList);
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= names_.size() ||
        static_cast<size_t>(index.row()) >= workspace_.fileList.size())
        return {};
    switch (role) {
        case Qt::DisplayRole:
            return names_[index.row()];
        case Qt::ToolTipRole:
            return localPath(workspace_.fileList[static_cast<size_t>(index.row())]);
        default:
            return {};
    }
}

void FileListModel::reload() {
    reset(workspace_.fileList, displayNames(workspace_.fileList));
}

void FileListModel::reset(std::vector<std::string> paths, QStringList names) {
    beginResetModel();
    workspace_.fileList = std::move(paths);
    names_ = std::move(names);
    endResetModel();
}

void FileListModel::replace(std::vector<std::string> paths, QStringList names) {
    std::vector<std::string>& list = workspace_.fileList;
    if (!isSorted(list) || !isSorted(paths) ||
        names.size() != static_cast<qsizetype>(paths.size()) ||
        names_.size() != static_cast<qsizetype>(list.size())) {
        return reset(std::move(paths), std::move(names));
    }
    const std::vector<Run> runs = differences(list, paths);
    if (runs.size() > kMostRuns) return reset(std::move(paths), std::move(names));
    for (const Run& run : runs) {
        const int first = static_cast<int>(run.at);
        const int last = static_cast<int>(run.at + run.count) - 1;
        const auto at = static_cast<std::ptrdiff_t>(run.at);
        const auto from = static_cast<std::ptrdiff_t>(run.from);
        const auto count = static_cast<std::ptrdiff_t>(run.count);
        if (run.insert) {
            beginInsertRows({}, first, last);
            list.insert(list.begin() + at, paths.begin() + from, paths.begin() + from + count);
            QStringList merged;
            merged.reserve(names_.size() + count);
            merged << names_.mid(0, first) << names.mid(from, count) << names_.mid(first);
            names_ = std::move(merged);
            endInsertRows();
        } else {
            beginRemoveRows({}, first, last);
            list.erase(list.begin() + at, list.begin() + at + count);
            names_.remove(first, count);
            endRemoveRows();
        }
    }
}

void FileListModel::renamed(int row) {
    if (row < 0 || static_cast<size_t>(row) >= workspace_.fileList.size() || row >= names_.size())
        return;
    names_[row] = displayNames({workspace_.fileList[static_cast<size_t>(row)]}).front();
    emit dataChanged(index(row), index(row), {Qt::DisplayRole, Qt::ToolTipRole});
}

}  // namespace brevino::ui
