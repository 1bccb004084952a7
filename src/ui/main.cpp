// The desktop application: the main window over one workspace. Takes no arguments.
#include <QApplication>
#include <QIcon>

#include "ui/dialog_units.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brevino"));
    QApplication::setDesktopFileName(QStringLiteral("brevino"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/brevino/brevino.png")));
    QApplication::setFont(brevino::ui::programFont());
    brevino::ui::installDialogCentring();

    brevino::ui::MainWindow window;
    brevino::ui::centreOnScreen(&window);
    window.show();
    app.exec();
    return 0;
}
