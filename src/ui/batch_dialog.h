// The batch dialog: one operation over every file of the file list, one file per tick of a
// 100 ms timer, with progress; cancel takes effect between files.
#pragma once

#include <QDialog>
#include <QTimer>

#include "batch/batch_run.h"

class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace brevino {
class Workspace;
}

namespace brevino::ui {

class BatchDialog : public QDialog {
    Q_OBJECT
  public:
    // `mainWindow` is not redrawn while a run is active.
    BatchDialog(Workspace& workspace, QWidget* mainWindow);
    ~BatchDialog() override;

    bool running() const { return run_.state() == BatchRun::State::Running; }

    QComboBox* operationBox() const { return operation_; }
    QLineEdit* valueField() const { return value_; }
    QPushButton* goButton() const { return go_; }
    QPushButton* closeButton() const { return close_; }
    QProgressBar* progressBar() const { return progress_; }

  signals:
    // A run began: files are being changed.
    void runStarted();
    // A run ended (finished, cancelled or closed); the file list may hold new names.
    void runStopped();

  public slots:
    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void goPressed();
    void start();
    void tick();
    // Ends the run and restores the controls; announces it when a run was active.
    void stop();
    void restoreControls();

    Workspace& workspace_;
    QWidget* mainWindow_;
    BatchRun run_;
    QTimer timer_;
    QComboBox* operation_;
    QPushButton* go_;
    QLineEdit* value_;
    QProgressBar* progress_;
    QPushButton* close_;
};

}  // namespace brevino::ui
