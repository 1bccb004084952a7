// A batch run over every photo of a folder (500 copies in the tour), timed from GO to its end
// against the command line's time for the same operation, while key presses are posted to
// the dialog and the time each waits is measured; the progress bar must move.
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <set>

#include "tour_parts.h"
#include "tour_support.h"
#include "ui/batch_dialog.h"
#include "ui/main_window.h"
#include "workspace/command_ids.h"

namespace brevino::tour {
namespace {

// Answers Yes at once, so that the run's time is the program's, and keeps the question.
class Agreeing : public Questioner {
  public:
    std::vector<std::string> asked;
    Answer ask(std::string_view text, std::string_view, Choices) override {
        asked.emplace_back(text);
        return Answer::Yes;
    }
};

std::string titleOf(const std::string& path) {
    Workspace workspace;
    workspace.analyze(path);
    for (size_t row = 0; row < workspace.rowCount(); ++row) {
        if (workspace.cell(row, Column::Tag) == "画像タイトル")
            return std::string(workspace.cell(row, Column::Content));
    }
    return {};
}

}  // namespace

int batch(const QStringList& args) {
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: brevino_desktop_tour batch FOLDER CLI_MS\n");
        return 2;
    }
    const std::string folder = args[0].toStdString();
    const double cliMs = args[1].toDouble();
    Checks checks;
    DialogAnswers answers;
    Agreeing questioner;
    ui::MainWindow window(ui::UiHooks{nullptr, nullptr, nullptr, nullptr, &questioner});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 2;
    window.dropPaths({folder});
    waitFor([&] { return !window.isListing() && !window.workspace().currentFile.empty(); }, 10000);
    const size_t files = window.workspace().fileList.size();
    std::printf("batch: 画像タイトル over %zu files\n", files);

    QStringList told;
    answers.expect([](QWidget*) {});       // the batch dialog: driven from batchDialogOpened
    answers.expect([&](QWidget* dialog) {  // the message at the run's end
        told = textsOf(dialog);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    double runMs = 0;
    double worstKey = 0, busiest = 0;
    QString busiestWhat;
    int keys = 0;
    std::set<int> progress;
    QObject::connect(&window, &ui::MainWindow::batchDialogOpened, [&](ui::BatchDialog* dialog) {
        QTimer::singleShot(100, dialog, [&, dialog] {
            dialog->operationBox()->setEditText(QString::fromUtf8("画像タイトル"));
            dialog->valueField()->setText(QStringLiteral("tour batch"));
            auto* probe = new Responsiveness(dialog, 5);
            auto* sample = new QTimer(dialog);
            QObject::connect(sample, &QTimer::timeout,
                             [&, dialog] { progress.insert(dialog->progressBar()->value()); });
            auto* clock = new QElapsedTimer;
            QObject::connect(dialog, &ui::BatchDialog::runStopped,
                             [&, dialog, probe, sample, clock] {
                                 runMs = milliseconds(*clock);
                                 delete clock;
                                 busiest = TimedApplication::longestMs();
                                 busiestWhat = TimedApplication::longestEvent();
                                 probe->stop();
                                 sample->stop();
                                 worstKey = probe->worstKeyMs();
                                 keys = probe->keys();
                                 // Closed once the message at the end is answered.
                                 QTimer::singleShot(300, dialog, [dialog] { dialog->reject(); });
                             });
            probe->start();
            sample->start(2);
            TimedApplication::reset();
            clock->start();
            QTest::mouseClick(dialog->goButton(), Qt::LeftButton);
        });
    });
    window.dispatch(ids::kBatch);

    checks.check(questioner.asked.size() == 1 &&
                     questioner.asked[0] == "「画像タイトル」で " + std::to_string(files) +
                                                " 個のﾌｧｲﾙを変更します。よろしいですか？",
                 QStringLiteral("asked: %1")
                     .arg(QString::fromStdString(questioner.asked.empty() ? std::string()
                                                                          : questioner.asked[0])));
    checks.check(runMs > 0 && runMs <= 3 * cliMs,
                 QStringLiteral("run from GO to its end: %1 ms, the command line %2 ms (%3x)")
                     .arg(runMs, 0, 'f', 1)
                     .arg(cliMs, 0, 'f', 1)
                     .arg(runMs / cliMs, 0, 'f', 2));
    checks.check(keys > 0 && worstKey < 50,
                 QStringLiteral("the dialog answered %1 key presses during the run, the slowest "
                                "after %2 ms")
                     .arg(keys)
                     .arg(worstKey, 0, 'f', 1));
    checks.check(busiest < 50,
                 QStringLiteral("the window's thread busy at most %1 ms at a time (%2)")
                     .arg(busiest, 0, 'f', 1)
                     .arg(busiestWhat));
    checks.check(progress.size() >= 3,
                 QStringLiteral("the progress bar moved through %1 values").arg(progress.size()));
    checks.check(told.contains(QString::fromUtf8("一括変換完了しました。")),
                 QStringLiteral("told at the end: %1").arg(told.join(QStringLiteral(" | "))));
    size_t titled = 0;
    for (const std::string& path : window.workspace().fileList)
        titled += titleOf(path) == "tour batch";
    checks.check(titled == files,
                 QStringLiteral("%1 of %2 files carry the new title").arg(titled).arg(files));
    window.close();
    return checks.failed() == 0 ? 0 : 1;
}

}  // namespace brevino::tour
