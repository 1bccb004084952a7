// The rows of a workspace as a table: six text columns, heading rows on light blue, rows
// that cannot be edited on grey, and rows edited but not saved on pale yellow with their
// content in bold.
#pragma once

#include <QAbstractTableModel>
#include <QColor>

namespace brevino {
class Workspace;
}

namespace brevino::ui {

inline const QColor kHeadingRowColour(189, 225, 231);
inline const QColor kFixedRowColour(204, 204, 204);
inline const QColor kEditedRowColour(255, 248, 196);

// Column widths in pixels, in column order.
inline constexpr int kColumnWidths[] = {120, 45, 45, 220, 180, 500};

class TagListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit TagListModel(Workspace& workspace, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The workspace has new rows (a file was analysed): show them.
    void reload();
    // Cells of the present rows changed (an edit, or a save that read the file again).
    void contentsChanged();

  private:
    Workspace& workspace_;
    int rows_ = 0;
};

}  // namespace brevino::ui
