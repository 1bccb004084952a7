#include "ui/file_list_view.h"

namespace brevino::ui {

FileListView::FileListView(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every entry is one line, and a hundred thousand of them are laid out a share at a
    // time between the window's other work.
    setUniformItemSizes(true);
    setLayoutMode(QListView::Batched);
    setBatchSize(10000);
}

int FileListView::count() const {
    return model() ? model()->rowCount() : 0;
}

int FileListView::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FileListView::setCurrentRow(int row) {
    if (!model() || !selectionModel()) return;
    if (row < 0 || row >= count()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

QString FileListView::text(int row) const {
    return model() ? model()->index(row, 0).data(Qt::DisplayRole).toString() : QString();
}

QString FileListView::toolTip(int row) const {
    return model() ? model()->index(row, 0).data(Qt::ToolTipRole).toString() : QString();
}

void FileListView::selectionChanged(const QItemSelection& selected,
                                    const QItemSelection& deselected) {
    QListView::selectionChanged(selected, deselected);
    const QModelIndexList rows = selected.indexes();
    if (!rows.isEmpty()) emit rowSelected(rows.front().row());
}

}  // namespace brevino::ui
