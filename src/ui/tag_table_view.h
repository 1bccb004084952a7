// The table of rows, which shows a line of text in its middle while it has no rows (why the
// selected file shows none).
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

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString emptyText_;
};

}  // namespace brevino::ui
