// The desktop application: the main window over one workspace. Takes no arguments.
#include <QApplication>

#include "ui/application_setup.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    brevino::ui::setUpApplication();

    brevino::ui::MainWindow window;
    window.show();  // where, how large and whether maximised: as it was last closed
    app.exec();
    return 0;
}
