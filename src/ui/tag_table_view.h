// The table of rows. While it has no rows it shows a line of text in its middle (a hint on
// what to do, or why the selected file shows none); F2 and Enter ask for the current row to
// be edited.
#pragma once

#include <QString>
#include <QTableView>

namespace brevino::ui {

class TagTableView : public QTableView {
    Q_OBJECT
  public:
    using QTableView::QTableView;

    void setEmptyText(const QString& text);
    const QString& emptyText() const { return emptyText_; }

  signals:
    // F2, Enter or Return: the current row is to be edited.
    void editRequested();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QString emptyText_;
};

}  // namespace brevino::ui
