// Sizes of windows and controls in dialog units, and centring on the screen.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace brevino::ui {

// Converts dialog units to pixels: a horizontal unit is a quarter of the font's average
// character width, a vertical unit an eighth of its character height.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);
    int x(int units) const;
    int y(int units) const;
    QSize size(int width, int height) const { return {x(width), y(height)}; }
    QRect rect(int left, int top, int width, int height) const {
        return {x(left), y(top), x(width), y(height)};
    }
    int averageCharWidth() const { return averageWidth_; }
    int charHeight() const { return height_; }

  private:
    int averageWidth_;
    int height_;
};

// Places a window in the middle of its screen, keeping its size.
void centreOnScreen(QWidget* window);

// Centres every dialog and message box of the program on its screen as it is shown.
void installDialogCentring();

}  // namespace brevino::ui
