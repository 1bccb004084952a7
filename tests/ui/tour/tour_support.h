// What the parts of the desktop tour share: answering the dialogs that come up, measuring how
// soon the window's thread answers a key press, checks that are counted and printed, and
// waiting without a busy loop.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class QWidget;

namespace brevino::tour {

// Prints each check as it is made and counts those that fail.
class Checks {
  public:
    bool check(bool passed, const QString& what);
    int failed() const { return failed_; }

  private:
    int failed_ = 0;
};

// Answers modal dialogs as they come up, from a queue of answers in order; a dialog with no
// answer queued is recorded and closed (Esc), so that the tour goes on.
class DialogAnswers : public QObject {
  public:
    // Gets the dialog; returns once it has answered it.
    using Answer = std::function<void(QWidget* dialog)>;

    DialogAnswers();
    void expect(Answer answer) { answers_.push_back(std::move(answer)); }
    // The texts of the dialogs that came up without an answer queued.
    const QStringList& unexpected() const { return unexpected_; }
    bool allAnswered() const { return answers_.empty(); }

  private:
    void poll();

    QTimer timer_;
    std::deque<Answer> answers_;
    QStringList unexpected_;
    std::vector<QPointer<QWidget>> answered_;  // still open after their answer: left alone
};

// The text of every button and label of a dialog, for the record.
QStringList textsOf(QWidget* dialog);
// Clicks the button of the dialog whose text holds `text`; false when there is none.
bool clickButton(QWidget* dialog, const QString& text);

// How soon the window's thread answers a key press: a thread of its own posts a key press to
// `target` every few milliseconds (so that the presses keep coming while the window's thread
// is busy) and the time each waited until the window's thread took it is recorded.
class Responsiveness : public QObject {
  public:
    explicit Responsiveness(QWidget* target, int intervalMs = 5);
    ~Responsiveness() override;
    void start();
    void stop();
    double worstKeyMs() const { return worstKey_; }
    int keys() const { return answered_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* target_;
    int interval_;
    std::thread poster_;
    std::atomic<bool> posting_ = false;
    QElapsedTimer clock_;
    std::mutex mutex_;
    std::deque<qint64> posted_;  // when each key press still in the queue was posted (ns)
    double worstKey_ = 0;
    int answered_ = 0;
};

// The application, timing each event the window's thread handles (those that run a loop of
// their own, as a modal dialog does, left out): the longest since reset() is what kept the
// window busy longest. With BREVINO_TOUR_SLOW set, every event over 15 ms is printed.
class TimedApplication : public QApplication {
  public:
    TimedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    static void reset();
    static double longestMs();
    static QString longestEvent();
};

// Runs the event loop until `done` holds or `ms` pass; whether it held.
bool waitFor(const std::function<bool()>& done, int ms);
double milliseconds(const QElapsedTimer& timer);

}  // namespace brevino::tour
