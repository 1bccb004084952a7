#include "ui/batch_dialog.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "tags/tag_dictionary.h"
#include "ui/dialog_units.h"
#include "ui/qt_text.h"
#include "workspace/command_ids.h"
#include "workspace/workspace.h"

namespace brevino::ui {

BatchDialog::BatchDialog(Workspace& workspace, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      workspace_(workspace),
      mainWindow_(mainWindow) {
    setWindowTitle(fromUtf8(kBatchCaption));
    const DialogUnits units(font());
    setFixedSize(units.size(270, 54));

    operation_ = new QComboBox(this);
    operation_->setObjectName(QString::number(ids::kBatchOperation));
    operation_->setEditable(true);
    operation_->setInsertPolicy(QComboBox::NoInsert);
    const QRect comboRect = units.rect(3, 3, 216, 132);
    operation_->setGeometry(comboRect.x(), comboRect.y(), comboRect.width(),
                            operation_->sizeHint().height());
    for (const BatchOperationInfo& info : kBatchOperations)
        operation_->addItem(fromUtf8(info.label));
    for (const TagTable* table : standardTables()) {
        for (const TagDef& tag : table->tags)
            operation_->addItem(QString::fromUtf8(tag.name));
    }
    // The hints are placeholders: shown while a field is empty, never taken as its text.
    operation_->lineEdit()->setPlaceholderText(fromUtf8(kBatchPromptText));
    operation_->setEditText(QString());

    go_ = new QPushButton(QStringLiteral("GO"), this);
    go_->setObjectName(QString::number(ids::kBatchGo));
    go_->setGeometry(units.rect(225, 3, 39, 18));

    value_ = new QLineEdit(this);
    value_->setPlaceholderText(fromUtf8(kBatchValuePrompt));
    value_->setObjectName(QString::number(ids::kBatchValue));
    value_->setGeometry(units.rect(3, 24, 216, 15));

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QString::number(ids::kBatchProgress));
    progress_->setGeometry(units.rect(0, 42, 270, 12));
    progress_->setTextVisible(false);
    progress_->setRange(0, 100);
    progress_->setValue(0);

    close_ = new QPushButton(QStringLiteral("CANCEL"), this);
    close_->setObjectName(QString::number(ids::kBatchClose));
    close_->setGeometry(units.rect(225, 21, 39, 18));

    // The Enter key is handled by the dialog itself (it starts the run), not by whichever
    // button has the focus.
    for (QPushButton* button : {go_, close_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(go_, &QPushButton::clicked, this, &BatchDialog::goPressed);
    connect(close_, &QPushButton::clicked, this, &BatchDialog::reject);

    timer_.setSingleShot(true);
    timer_.setInterval(ids::kBatchTickMs);
    connect(&timer_, &QTimer::timeout, this, &BatchDialog::tick);
}

BatchDialog::~BatchDialog() {
    stop();
}

void BatchDialog::goPressed() {
    if (running()) {
        stop();
    } else {
        start();
    }
}

void BatchDialog::start() {
    const std::string operation = toUtf8(operation_->currentText());
    if (operation.empty() || workspace_.fileList.empty()) return;
    // Every operation changes the files (their bytes, names or times): ask first.
    const std::string count = std::to_string(workspace_.fileList.size());
    if (workspace_.ask(withDetail(kConfirmBatch, count)) != Answer::Yes) return;
    const BatchSettings settings = batchSettingsOf(workspace_.settings);
    if (!run_.start(workspace_.fileList, operation, toUtf8(value_->text()), settings,
                    workspace_.journal)) {
        if (run_.startProblem() != Problem::None) workspace_.report(run_.startProblem());
        return;
    }
    operation_->setEnabled(false);
    value_->setEnabled(false);
    go_->setText(QStringLiteral("Cancel"));
    const size_t total = run_.total();
    progress_->setRange(0, total > INT32_MAX ? INT32_MAX : static_cast<int>(total));
    progress_->setValue(0);
    emit runStarted();
    timer_.start();
}

void BatchDialog::tick() {
    if (!running()) return;
    if (run_.index() >= run_.total()) {
        // The last tick: the controls come back first, then the run reports completion.
        restoreControls();
        run_.step();
        workspace_.report(Problem::BatchCompleted);
        emit runStopped();
        return;
    }
    // The main window is not redrawn while the run works through the files.
    if (mainWindow_) mainWindow_->setUpdatesEnabled(false);
    const BatchRun::Step step = run_.step();
    if (step.ended) {
        restoreControls();
        emit runStopped();
        return;
    }
    // The current file is followed when the run renames it.
    if (step.renamedTo && workspace_.currentFile == step.path)
        workspace_.currentFile = *step.renamedTo;
    setWindowTitle(fromUtf8(progressCaption(step.done, step.total)));
    progress_->setValue(step.done > INT32_MAX ? INT32_MAX : static_cast<int>(step.done));
    timer_.start();
}

void BatchDialog::restoreControls() {
    timer_.stop();
    operation_->setEnabled(true);
    value_->setEnabled(true);
    go_->setText(QStringLiteral("GO"));
    setWindowTitle(fromUtf8(kBatchCaption));
    if (mainWindow_) mainWindow_->setUpdatesEnabled(true);
}

void BatchDialog::stop() {
    const bool wasRunning = running();
    run_.stop();
    restoreControls();
    if (wasRunning) emit runStopped();
}

void BatchDialog::reject() {
    stop();
    done(ids::kCancel);
}

void BatchDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter is GO; during a run it does nothing, so that it never cancels by accident.
        if (!running()) goPressed();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace brevino::ui
