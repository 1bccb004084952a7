#include "ui/tag_table_view.h"

#include <QKeyEvent>
#include <QPainter>

namespace brevino::ui {

void TagTableView::setEmptyText(const QString& text) {
    if (text == emptyText_) return;
    emptyText_ = text;
    viewport()->update();
}

void TagTableView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_F2:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
                emit editRequested();
                return;
            }
            break;
        default:
            break;
    }
    QTableView::keyPressEvent(event);
}

void TagTableView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (emptyText_.isEmpty() || (model() != nullptr && model()->rowCount() > 0)) return;
    QPainter painter(viewport());
    // In the text's own colour: a hint that has to be read is not greyed out.
    painter.setPen(palette().color(QPalette::Active, QPalette::Text));
    const QRect room = viewport()->rect().adjusted(16, 16, -16, -16);
    painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap, emptyText_);
}

}  // namespace brevino::ui
