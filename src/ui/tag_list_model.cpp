#include "ui/tag_list_model.h"

#include "edit/row_editor.h"
#include "exif/analysis.h"
#include "workspace/workspace.h"

namespace brevino::ui {

TagListModel::TagListModel(Workspace& workspace, QObject* parent)
    : QAbstractTableModel(parent), workspace_(workspace) {
    rows_ = static_cast<int>(workspace_.tagList.size());
}

int TagListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || detached_ ? 0 : rows_;
}

int TagListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant TagListModel::data(const QModelIndex& index, int role) const {
    // The row count is the one last announced to the view; the TagList may have changed
    // since (a batch run analyses other files), so every row is checked against it.
    if (detached_ || !index.isValid() || index.row() >= rows_ ||
        static_cast<size_t>(index.row()) >= workspace_.tagList.size()) {
        return {};
    }
    const auto row = static_cast<size_t>(index.row());
    switch (role) {
        case Qt::DisplayRole: {
            const std::string_view text =
                workspace_.tagList.cell(row, static_cast<Column>(index.column()));
            return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        }
        case Qt::BackgroundRole:
            if (isHeadingRow(workspace_, row)) return kHeadingRowColour;
            if (!isEditableRow(workspace_, row)) return kFixedRowColour;
            return {};
        default:
            return {};
    }
}

QVariant TagListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kColumnCount) {
        return QString::fromLatin1(kTagListColumns[section].heading);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags TagListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void TagListModel::reload() {
    beginResetModel();
    detached_ = false;
    rows_ = static_cast<int>(workspace_.tagList.size());
    endResetModel();
}

void TagListModel::contentsChanged() {
    if (detached_ || rows_ == 0) return;
    emit dataChanged(index(0, 0), index(rows_ - 1, kColumnCount - 1),
                     {Qt::DisplayRole, Qt::BackgroundRole});
}

void TagListModel::detach() {
    beginResetModel();
    detached_ = true;
    rows_ = 0;
    endResetModel();
}

}  // namespace brevino::ui
