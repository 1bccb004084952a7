// The batch dialog: one operation over every file of the file list. The run is planned off
// the window's thread first, a value some file refuses is told before anything is asked, the
// user confirms the operation by name, and the files are then handled back to back off the
// window's thread, with progress; cancel takes effect between files.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "batch/batch_run.h"
#include "ui/batch_worker.h"
#include "workspace/batch_summary.h"

class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace brevino {
class Workspace;
}

namespace brevino::ui {

// The dialog's title while a run goes on: files done and files in all.
inline constexpr char kProgressCaption[] =
    QT_TRANSLATE_NOOP("brevino::ui::BatchDialog", "%1 / %2 ﾌｧｲﾙ完了");

class BatchDialog : public QDialog {
    Q_OBJECT
  public:
    BatchDialog(Workspace& workspace, QWidget* mainWindow);
    ~BatchDialog() override;

    // From GO until the run has ended (planning and the question included).
    bool running() const { return phase_ != Phase::Idle; }

    QComboBox* operationBox() const { return operation_; }
    QLineEdit* valueField() const { return value_; }
    QPushButton* goButton() const { return go_; }
    QPushButton* closeButton() const { return close_; }
    QProgressBar* progressBar() const { return progress_; }
    BatchWorker& worker() { return worker_; }

  signals:
    // A run began: files are about to change.
    void runStarted();
    // A run ended (finished, cancelled, refused or closed); the file list may hold new names.
    void runStopped();

  public slots:
    // CANCEL, Esc and the close box: a run stops before its next file; the dialog closes.
    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    enum class Phase { Idle, Planning, Asking, Running };

    void start();
    // What the run is asked to do: for a listed item, the operation's text or the tag's name
    // in the present language, found by the item's alias or key (the question and the
    // journal show it); a typed text as it is.
    std::string chosenOperation() const;
    void takeNews();
    void planned();
    void stepped(const BatchRun::Step& step);
    void ended();
    // Ends the run's phase and restores the controls; announces the end.
    void finish();
    // Stops whatever phase is under way (closing the dialog).
    void abandon();

    Workspace& workspace_;
    BatchWorker worker_;
    Phase phase_ = Phase::Idle;
    // What the run told, for the message at its end.
    BatchSummary summary_;
    std::vector<ReportLine> notes_;
    QComboBox* operation_;
    QPushButton* go_;
    QLineEdit* value_;
    QProgressBar* progress_;
    QPushButton* close_;
};

}  // namespace brevino::ui
