// A batch run carried out on a thread of its own, so that the window stays responsive and
// the run goes at the speed of the files: the plan first (every file analysed, nothing
// written), then, once the user has agreed, the files back to back. Cancelling takes effect
// between two files. What the thread did is collected and taken by the window's thread.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "batch/batch_run.h"

namespace brevino::ui {

class BatchWorker : public QObject {
    Q_OBJECT
  public:
    // What happened since the window's thread last asked.
    struct News {
        bool planned = false;  // plan() is done: batch() tells the plan
        bool ended = false;    // run() is done (finished, cancelled, or it could not begin)
        std::vector<BatchRun::Step> steps;
    };

    explicit BatchWorker(QObject* parent = nullptr);
    // Cancels the run and waits for the file under way.
    ~BatchWorker() override;

    // Plans the operation over a copy of `files` on the thread.
    void plan(std::vector<std::string> files, std::string operation, std::string value,
              BatchSettings settings);
    // Records the planned run in the journal and handles its files one after another.
    void run(JournalStore* journal);
    // Stops the run before its next file; returns at once.
    void cancel() { cancelled_ = true; }
    // Waits until the thread is done (the file under way at most, after cancel()).
    void wait();
    bool working() const { return thread_.joinable() && !finished_; }

    News take();
    // The run, while the thread is not working (after the planned or ended news).
    const BatchRun& batch() const { return run_; }

    // Called on the thread before each file of the run, with its index and the flag that
    // cancel() sets (tests hold the run between two files with it).
    using StepHook = std::function<void(size_t index, const std::atomic<bool>& cancelled)>;
    void setStepHook(StepHook hook) { hook_ = std::move(hook); }

  signals:
    // There is news to take; sent from the thread, received on the window's.
    void news();

  private:
    void tell(const std::function<void(News&)>& change);

    std::thread thread_;
    std::atomic<bool> cancelled_ = false;
    std::atomic<bool> finished_ = false;
    std::vector<std::string> files_;  // the run's list: renamed entries replaced in place
    StepHook hook_;
    BatchRun run_;
    std::mutex mutex_;
    News news_;
    bool told_ = false;  // a news() signal not yet answered by take()
};

}  // namespace brevino::ui
