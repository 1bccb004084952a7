#include "ui/dialog_units.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>

namespace brevino::ui {
namespace {

// Average width over the Latin letters, rounded as dialog base units are.
int averageWidthOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int total = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return std::max(1, (total / 26 + 1) / 2);
}

class DialogCentring : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog && dialog->isWindow()) centreOnScreen(dialog);
        }
        return false;
    }
};

}  // namespace

DialogUnits::DialogUnits(const QFont& font)
    : averageWidth_(averageWidthOf(font)), height_(std::max(1, QFontMetrics(font).height())) {}

int DialogUnits::x(int units) const {
    return (units * averageWidth_ + 2) / 4;
}

int DialogUnits::y(int units) const {
    return (units * height_ + 4) / 8;
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect desktop = screen->geometry();
    const QSize frame = window->frameGeometry().size();
    const QSize size = frame.isValid() && !frame.isEmpty() ? frame : window->size();
    window->move(desktop.x() + (desktop.width() - size.width()) / 2,
                 desktop.y() + (desktop.height() - size.height()) / 2);
}

void installDialogCentring() {
    static bool installed = false;
    if (installed || !qApp) return;
    installed = true;
    qApp->installEventFilter(new DialogCentring(qApp));
}

}  // namespace brevino::ui
