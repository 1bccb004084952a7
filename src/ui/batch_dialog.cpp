#include "ui/batch_dialog.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "edit/row_lookup.h"
#include "platform/file_io.h"
#include "tags/tag_dictionary.h"
#include "tags/tag_translation.h"
#include "ui/dialog_units.h"
#include "ui/qt_text.h"
#include "workspace/command_ids.h"
#include "workspace/settings.h"
#include "workspace/workspace.h"

namespace brevino::ui {
namespace {

// The message at a run's end lists at most this many of the files it tells about.
constexpr size_t kToldFiles = 20;

}  // namespace

BatchDialog::BatchDialog(Workspace& workspace, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      workspace_(workspace) {
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
    // Each item carries what it stands for, the operation's alias or the tag's key, which
    // do not change with the language.
    for (const BatchOperationInfo& info : kBatchOperations)
        operation_->addItem(fromUtf8(batchOperationText(info)), fromUtf8(info.alias));
    for (const TagTable* table : standardTables()) {
        for (const TagDef& tag : table->tags)
            operation_->addItem(QString::fromUtf8(displayName(tag)), QString::fromUtf8(tag.key));
    }
    // The hints are placeholders: shown while a field is empty, never taken as its text.
    operation_->lineEdit()->setPlaceholderText(fromUtf8(batchPromptText()));
    operation_->setEditText(QString());

    go_ = new QPushButton(tr("GO"), this);
    go_->setObjectName(QString::number(ids::kBatchGo));
    go_->setGeometry(units.rect(225, 3, 39, 18));

    value_ = new QLineEdit(this);
    value_->setPlaceholderText(fromUtf8(batchValuePrompt()));
    value_->setObjectName(QString::number(ids::kBatchValue));
    value_->setGeometry(units.rect(3, 24, 216, 15));

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QString::number(ids::kBatchProgress));
    progress_->setGeometry(units.rect(0, 42, 270, 12));
    progress_->setTextVisible(false);
    progress_->setRange(0, 100);
    progress_->setValue(0);

    // The one button that stops a run (between two files) and closes the dialog.
    close_ = new QPushButton(tr("CANCEL"), this);
    close_->setObjectName(QString::number(ids::kBatchClose));
    close_->setGeometry(units.rect(225, 21, 39, 18));

    // The Tab key visits every field in reading order.
    setTabOrder(operation_, value_);
    setTabOrder(value_, go_);
    setTabOrder(go_, close_);

    // The Enter key is handled by the dialog itself (it starts the run), not by whichever
    // button has the focus.
    for (QPushButton* button : {go_, close_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(go_, &QPushButton::clicked, this, &BatchDialog::start);
    connect(close_, &QPushButton::clicked, this, &BatchDialog::reject);
    connect(&worker_, &BatchWorker::news, this, &BatchDialog::takeNews);
}

BatchDialog::~BatchDialog() {
    abandon();
}

void BatchDialog::start() {
    if (running()) return;
    const std::string operation = chosenOperation();
    if (operation.empty() || workspace_.fileList.empty()) return;
    // A tag no dictionary names is refused before any file is read.
    if (batchOperationFor(operation) == BatchOperation::SetTag &&
        !isKnownRowName(parseRowName(operation))) {
        workspace_.report(batchPromptText());
        return;
    }
    const BatchSettings settings = batchSettingsOf(workspace_.settings);
    phase_ = Phase::Planning;
    summary_ = BatchSummary{};
    notes_.clear();
    operation_->setEnabled(false);
    value_->setEnabled(false);
    go_->setEnabled(false);
    progress_->setValue(0);
    emit runStarted();
    worker_.plan(workspace_.fileList, operation, toUtf8(value_->text()), settings);
}

std::string BatchDialog::chosenOperation() const {
    const QString text = operation_->currentText();
    const int item = operation_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item < 0) return toUtf8(text);  // typed: a tag's key, name or number
    const std::string word = toUtf8(operation_->itemData(item).toString());
    for (const BatchOperationInfo& info : kBatchOperations) {
        if (info.alias == word) return std::string(batchOperationText(info));
    }
    for (const TagTable* table : standardTables()) {
        for (const TagDef& tag : table->tags) {
            if (word == tag.key) return std::string(displayName(tag));
        }
    }
    return toUtf8(text);
}

void BatchDialog::takeNews() {
    BatchWorker::News news = worker_.take();
    for (const BatchRun::Step& step : news.steps)
        stepped(step);
    // The caption and the bar show the latest step only: files go faster than the screen.
    if (!news.steps.empty()) {
        const BatchRun::Step& latest = news.steps.back();
        setWindowTitle(tr(kProgressCaption)
                           .arg(static_cast<qulonglong>(latest.done))
                           .arg(static_cast<qulonglong>(latest.total)));
        progress_->setValue(latest.done > INT32_MAX ? INT32_MAX : static_cast<int>(latest.done));
    }
    if (news.planned && phase_ == Phase::Planning) planned();
    if (news.ended && phase_ == Phase::Running) ended();
}

void BatchDialog::planned() {
    const BatchRun& batch = worker_.batch();
    // Every file refusing the run's value (an offset that is none, a value too long or out
    // of range for a file) is told before anything is asked or written.
    if (batch.startProblem() != Problem::None) {
        workspace_.report(batch.startProblem());
        return finish();
    }
    if (const std::optional<BatchRun::Refusal> refusal = batch.refusedValue()) {
        workspace_.report(std::string(fileNameOf(refusal->path)) + ": " +
                          messageText(refusal->report.problem, refusal->report.detail));
        return finish();
    }
    if (batch.changedFiles() > 0) {
        phase_ = Phase::Asking;
        const Answer answer =
            workspace_.ask(batchQuestion(batch.operationText(), batch.changedFiles()));
        if (phase_ != Phase::Asking) return;  // closed meanwhile
        if (answer != Answer::Yes) return finish();
    }
    phase_ = Phase::Running;
    const size_t total = batch.total();
    progress_->setRange(0, total > INT32_MAX ? INT32_MAX : static_cast<int>(total));
    worker_.run(workspace_.journal);
}

void BatchDialog::stepped(const BatchRun::Step& step) {
    // The list and the current file follow a renamed file.
    if (step.renamedTo) {
        const size_t row = step.done - 1;
        if (row < workspace_.fileList.size() && workspace_.fileList[row] == step.path)
            workspace_.fileList[row] = *step.renamedTo;
        if (workspace_.currentFile == step.path) workspace_.currentFile = *step.renamedTo;
    }
    // Quiet during the run: what a file tells is kept for the message at its end.
    summary_.add(step);
    for (const BatchRun::Report& note : step.notes)
        notes_.push_back(
            {step.path, messageFor(note.problem).caption, messageText(note.problem, note.detail)});
}

void BatchDialog::ended() {
    const BatchRun& batch = worker_.batch();
    const Problem problem = batch.startProblem();
    // Files a cancelled run never reached are counted as left alone.
    if (batch.index() < batch.total()) summary_.addNotReached(batch.total() - batch.index());
    finish();
    if (problem != Problem::None) {
        workspace_.report(problem);
        return;
    }
    // The closing line, then each file left alone or with something to tell, by name.
    std::vector<ReportLine> lines = summary_.lines();
    lines.insert(lines.end(), notes_.begin(), notes_.end());
    std::string text;
    for (size_t i = 0; i < lines.size() && i <= kToldFiles; ++i) {
        if (i > 0) text += "\n";
        if (!lines[i].path.empty()) text += std::string(fileNameOf(lines[i].path)) + ": ";
        text += lines[i].text;
    }
    if (lines.size() > kToldFiles + 1) text += "\n…";
    workspace_.report(text, lines.front().caption);
}

void BatchDialog::finish() {
    phase_ = Phase::Idle;
    operation_->setEnabled(true);
    value_->setEnabled(true);
    go_->setEnabled(true);
    setWindowTitle(fromUtf8(kBatchCaption));
    emit runStopped();
}

void BatchDialog::abandon() {
    switch (phase_) {
        case Phase::Idle:
            return;
        case Phase::Asking:
            break;  // nothing written yet; the answer is not acted on
        case Phase::Planning:
            worker_.cancel();
            worker_.wait();
            worker_.take();  // the plan is dropped
            break;
        case Phase::Running:
            // The file under way is finished; what the run did so far is taken in and told.
            worker_.cancel();
            worker_.wait();
            takeNews();
            break;
    }
    if (running()) finish();
}

void BatchDialog::reject() {
    abandon();
    done(ids::kCancel);
}

void BatchDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter is GO; during a run it does nothing, so that it never cancels by accident.
        if (!running()) start();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace brevino::ui
