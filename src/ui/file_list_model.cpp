#include "ui/file_list_model.h"

#include <algorithm>

#include "platform/file_io.h"
#include "ui/qt_text.h"
#include "workspace/file_list.h"
#include "workspace/workspace.h"

namespace brevino::ui {
namespace {

// Up to this many runs of added or removed entries, in lists up to this long, are announced
// one by one; each costs the window time in proportion to the list's length.
constexpr size_t kFewRuns = 8;
constexpr size_t kShortList = 4096;

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

// How `old` becomes `now`, both sorted (entries equal but for letter case count as different
// files): the runs of entries removed and added, in order, and where each old entry goes in
// the new list (-1: removed).
struct Difference {
    std::vector<Run> runs;
    std::vector<int> moved;
};

Difference differences(const std::vector<std::string>& old, const std::vector<std::string>& now) {
    Difference difference;
    std::vector<Run>& runs = difference.runs;
    difference.moved.assign(old.size(), -1);
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
            difference.moved[i] = static_cast<int>(j);
            ++i, ++j, ++position;
        } else if (j == now.size() || (i < old.size() && !pathLessIgnoringCase(now[j], old[i]))) {
            add(false, i++);  // gone (or equal but for case: the new one comes after it)
        } else {
            add(true, j++);
            ++position;
        }
    }
    return difference;
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
    sorted_ = isSorted(workspace_.fileList);
}

FileListModel::Discarded FileListModel::take(std::vector<std::string> paths, QStringList names) {
    Discarded old = reset(std::move(paths), std::move(names));
    sorted_ = true;
    return old;
}

FileListModel::Discarded FileListModel::reset(std::vector<std::string> paths, QStringList names) {
    Discarded old;
    beginResetModel();
    old.files = std::exchange(workspace_.fileList, std::move(paths));
    old.names = std::exchange(names_, std::move(names));
    endResetModel();
    return old;
}

FileListModel::Discarded FileListModel::replace(std::vector<std::string> paths, QStringList names) {
    std::vector<std::string>& list = workspace_.fileList;
    if (!sorted_ || names.size() != static_cast<qsizetype>(paths.size()) ||
        names_.size() != static_cast<qsizetype>(list.size())) {
        return take(std::move(paths), std::move(names));
    }
    const Difference difference = differences(list, paths);
    if (difference.runs.empty()) return {std::move(paths), std::move(names)};
    if (difference.runs.size() <= kFewRuns && list.size() + paths.size() <= kShortList) {
        // A few runs in a short list are announced one by one, as views like best.
        for (const Run& run : difference.runs) {
            const int first = static_cast<int>(run.at);
            const int last = static_cast<int>(run.at + run.count) - 1;
            const auto at = static_cast<std::ptrdiff_t>(run.at);
            const auto from = static_cast<std::ptrdiff_t>(run.from);
            const auto count = static_cast<std::ptrdiff_t>(run.count);
            if (run.insert) {
                beginInsertRows({}, first, last);
                list.insert(list.begin() + at, paths.begin() + from, paths.begin() + from + count);
                for (qsizetype k = 0; k < count; ++k)
                    names_.insert(first + k, names[from + k]);
                endInsertRows();
            } else {
                beginRemoveRows({}, first, last);
                list.erase(list.begin() + at, list.begin() + at + count);
                names_.remove(first, count);
                endRemoveRows();
            }
        }
        return {std::move(paths), std::move(names)};
    }
    // Otherwise the new list is taken whole, and the entries the view holds on to (the
    // selection, the current entry) are moved to where their files are now.
    emit layoutAboutToBeChanged();
    const QModelIndexList held = persistentIndexList();
    QModelIndexList now;
    now.reserve(held.size());
    for (const QModelIndex& index : held) {
        const auto row = static_cast<size_t>(index.row());
        const int moved =
            index.row() >= 0 && row < difference.moved.size() ? difference.moved[row] : -1;
        now << (moved >= 0 ? createIndex(moved, index.column()) : QModelIndex());
    }
    Discarded old;
    old.files = std::exchange(list, std::move(paths));
    old.names = std::exchange(names_, std::move(names));
    changePersistentIndexList(held, now);
    emit layoutChanged();
    return old;
}

void FileListModel::renamed(int row) {
    if (row < 0 || static_cast<size_t>(row) >= workspace_.fileList.size() || row >= names_.size())
        return;
    names_[row] = displayNames({workspace_.fileList[static_cast<size_t>(row)]}).front();
    emit dataChanged(index(row), index(row), {Qt::DisplayRole, Qt::ToolTipRole});
}

}  // namespace brevino::ui
