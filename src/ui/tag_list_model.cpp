#include "ui/tag_list_model.h"

#include <QFont>

#include "ui/qt_text.h"
#include "workspace/workspace.h"

namespace brevino::ui {

TagListModel::TagListModel(Workspace& workspace, QObject* parent)
    : QAbstractTableModel(parent), workspace_(workspace) {
    rows_ = static_cast<int>(workspace_.rowCount());
}

int TagListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int TagListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant TagListModel::data(const QModelIndex& index, int role) const {
    // The row count is the one last announced to the view; every row is checked against
    // the workspace's rows as well.
    if (!index.isValid() || index.row() >= rows_ ||
        static_cast<size_t>(index.row()) >= workspace_.rowCount()) {
        return {};
    }
    const auto row = static_cast<size_t>(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return fromUtf8(workspace_.cell(row, static_cast<Column>(index.column())));
        case Qt::BackgroundRole:
            if (workspace_.isHeading(row)) return kHeadingRowColour;
            if (!workspace_.isEditable(row)) return kFixedRowColour;
            if (workspace_.isEdited(row)) return kEditedRowColour;
            return {};
        case Qt::FontRole:
            if (index.column() == static_cast<int>(Column::Content) && !workspace_.isHeading(row) &&
                workspace_.isEdited(row)) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        default:
            return {};
    }
}

QVariant TagListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kColumnCount) {
        return fromUtf8(kColumnNames[static_cast<size_t>(section)]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags TagListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void TagListModel::reload() {
    beginResetModel();
    rows_ = static_cast<int>(workspace_.rowCount());
    endResetModel();
}

void TagListModel::contentsChanged() {
    if (rows_ == 0) return;
    emit dataChanged(index(0, 0), index(rows_ - 1, kColumnCount - 1),
                     {Qt::DisplayRole, Qt::BackgroundRole, Qt::FontRole});
}

}  // namespace brevino::ui
