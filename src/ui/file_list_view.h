// The file list's view: one column of names, one selected at a time, with the row-based
// calls of a list widget (count, current row, the text and tooltip of a row).
#pragma once

#include <QListView>

namespace brevino::ui {

class FileListView : public QListView {
    Q_OBJECT
  public:
    explicit FileListView(QWidget* parent = nullptr);

    int count() const;
    int currentRow() const;
    // Makes `row` current and selected (-1: none), scrolled into view.
    void setCurrentRow(int row);
    QString text(int row) const;
    QString toolTip(int row) const;

  signals:
    // The user (or setCurrentRow) selected another entry.
    void rowSelected(int row);

  protected:
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
};

}  // namespace brevino::ui
