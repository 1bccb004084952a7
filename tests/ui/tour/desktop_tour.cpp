// The desktop application driven as a person drives it, on whatever display Qt is given (a
// real X server under Xvfb in scripts/desktop-tour.sh):
//
//   brevino_desktop_tour browse FOLDER [--shot PNG --select NAME]
//   brevino_desktop_tour scale FOLDER NAME [--shot PNG]      (with QT_SCALE_FACTOR=2)
//   brevino_desktop_tour layout save|check STATE             (with a window manager)
//   brevino_desktop_tour keys FOLDER
//   brevino_desktop_tour batch FOLDER CLI_MS
//   brevino_desktop_tour list FOLDER PHOTO
//
// Each part prints what it checked and measured. Exit status: 0 when every check held.
#include <QApplication>
#include <cstdio>

#include "tour_parts.h"
#include "tour_support.h"
#include "ui/application_setup.h"

int main(int argc, char** argv) {
    brevino::tour::TimedApplication app(argc, argv);
    brevino::ui::setUpApplication();
    QStringList args = QApplication::arguments().mid(1);
    const QString part = args.isEmpty() ? QString() : args.takeFirst();
    using Part = int (*)(const QStringList&);
    const std::pair<const char*, Part> parts[] = {
        {"browse", brevino::tour::browse}, {"scale", brevino::tour::scale},
        {"layout", brevino::tour::layout}, {"keys", brevino::tour::keys},
        {"batch", brevino::tour::batch},   {"list", brevino::tour::list},
    };
    for (const auto& [name, run] : parts) {
        if (part == QLatin1String(name)) return run(args);
    }
    std::fprintf(stderr, "usage: brevino_desktop_tour browse|scale|layout|keys|batch|list ...\n");
    return 2;
}
