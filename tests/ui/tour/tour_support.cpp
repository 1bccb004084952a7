#include "tour_support.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QWidget>
#include <cstdio>

namespace brevino::tour {

bool Checks::check(bool passed, const QString& what) {
    std::printf("  %s %s\n", passed ? "ok  " : "FAIL", qPrintable(what));
    std::fflush(stdout);
    if (!passed) ++failed_;
    return passed;
}

DialogAnswers::DialogAnswers() {
    connect(&timer_, &QTimer::timeout, this, &DialogAnswers::poll);
    timer_.start(20);
}

void DialogAnswers::poll() {
    QWidget* dialog = QApplication::activeModalWidget();
    std::erase_if(answered_, [](const QPointer<QWidget>& each) {
        return each.isNull() || !each->isVisible();
    });
    if (dialog == nullptr || !dialog->isVisible()) return;
    for (const QPointer<QWidget>& each : answered_) {
        if (each == dialog) return;  // answered, or being answered
    }
    answered_.emplace_back(dialog);
    if (answers_.empty()) {
        unexpected_ << textsOf(dialog).join(QStringLiteral(" | "));
        QTest::keyClick(dialog, Qt::Key_Escape);
    } else {
        const Answer answer = std::move(answers_.front());
        answers_.pop_front();
        answer(dialog);
    }
}

QStringList textsOf(QWidget* dialog) {
    QStringList texts;
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) texts << box->text();
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->isVisible() && !label->text().isEmpty()) texts << label->text();
    }
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && !button->text().isEmpty()) texts << button->text();
    }
    return texts;
}

bool clickButton(QWidget* dialog, const QString& text) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->text().contains(text)) {
            button->click();
            return true;
        }
    }
    return false;
}

Responsiveness::Responsiveness(QWidget* target, int intervalMs)
    : target_(target), interval_(intervalMs) {
    clock_.start();
    target_->installEventFilter(this);
}

Responsiveness::~Responsiveness() {
    stop();
}

void Responsiveness::start() {
    stop();
    worstKey_ = 0;
    answered_ = 0;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        posted_.clear();
    }
    posting_ = true;
    poster_ = std::thread([this] {
        while (posting_) {
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                posted_.push_back(clock_.nsecsElapsed());
            }
            QCoreApplication::postEvent(
                target_, new QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier));
            std::this_thread::sleep_for(std::chrono::milliseconds(interval_));
        }
    });
}

void Responsiveness::stop() {
    posting_ = false;
    if (poster_.joinable()) poster_.join();
}

bool Responsiveness::eventFilter(QObject* watched, QEvent* event) {
    if (watched != target_ || event->type() != QEvent::KeyPress ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_Shift)
        return false;
    const std::lock_guard<std::mutex> lock(mutex_);
    if (!posted_.empty()) {
        const qint64 waited = clock_.nsecsElapsed() - posted_.front();
        posted_.pop_front();
        worstKey_ = std::max(worstKey_, static_cast<double>(waited) / 1e6);
        ++answered_;
    }
    return true;  // the probe's own key: nothing else sees it
}

namespace {

int depth = 0;
bool nested = false;
double longest = 0;
QString longestWhat;

}  // namespace

TimedApplication::TimedApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // An event during which the event loop turns (a modal dialog's) is not counted.
    auto* dispatcher = QAbstractEventDispatcher::instance();
    const auto turned = [] {
        if (depth > 0) nested = true;
    };
    connect(dispatcher, &QAbstractEventDispatcher::awake, this, turned);
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, turned);
}

bool TimedApplication::notify(QObject* receiver, QEvent* event) {
    if (depth > 0) {
        ++depth;
        const bool handled = QApplication::notify(receiver, event);
        --depth;
        return handled;
    }
    ++depth;
    nested = false;
    const int type = event->type();
    const QString what = QStringLiteral("event %1 to %2")
                             .arg(type)
                             .arg(QString::fromLatin1(receiver->metaObject()->className()));
    QElapsedTimer timer;
    timer.start();
    const bool handled = QApplication::notify(receiver, event);
    const double ms = milliseconds(timer);
    --depth;
    if (!nested && ms > 15 && qEnvironmentVariableIsSet("BREVINO_TOUR_SLOW"))
        std::fprintf(stderr, "slow: %.1f ms %s\n", ms, qPrintable(what));
    if (!nested && ms > longest) {
        longest = ms;
        longestWhat = what;
    }
    return handled;
}

void TimedApplication::reset() {
    longest = 0;
    longestWhat.clear();
}

double TimedApplication::longestMs() {
    return longest;
}

QString TimedApplication::longestEvent() {
    return longestWhat;
}

bool waitFor(const std::function<bool()>& done, int ms) {
    return QTest::qWaitFor(done, ms);
}

double milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace brevino::tour
