#include "ui/batch_worker.h"

#include "platform/thread_priority.h"

namespace brevino::ui {

BatchWorker::BatchWorker(QObject* parent) : QObject(parent) {}

BatchWorker::~BatchWorker() {
    cancel();
    wait();
}

void BatchWorker::wait() {
    if (thread_.joinable()) thread_.join();
}

void BatchWorker::tell(const std::function<void(News&)>& change) {
    bool signal = false;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        change(news_);
        signal = !told_;
        told_ = true;
    }
    // One signal for any number of steps until the window's thread takes them.
    if (signal) emit news();
}

BatchWorker::News BatchWorker::take() {
    const std::lock_guard<std::mutex> lock(mutex_);
    told_ = false;
    return std::exchange(news_, News{});
}

void BatchWorker::plan(std::vector<std::string> files, std::string operation, std::string value,
                       BatchSettings settings) {
    wait();
    files_ = std::move(files);
    cancelled_ = false;
    finished_ = false;
    thread_ = std::thread([this, operation = std::move(operation), value = std::move(value),
                           settings = std::move(settings)] {
        yieldToInteractiveThreads(false);
        run_.plan(files_, operation, value, settings);
        finished_ = true;
        tell([](News& news) { news.planned = true; });
    });
}

void BatchWorker::run(JournalStore* journal) {
    wait();
    finished_ = false;
    thread_ = std::thread([this, journal] {
        yieldToInteractiveThreads(false);
        if (!cancelled_ && run_.begin(journal)) {
            for (;;) {
                if (hook_) hook_(run_.index(), cancelled_);
                if (cancelled_) {
                    run_.stop();  // the journal records what was done
                    break;
                }
                BatchRun::Step step = run_.step();
                if (step.ended) break;
                tell([&](News& news) { news.steps.push_back(std::move(step)); });
            }
        }
        finished_ = true;
        tell([](News& news) { news.ended = true; });
    });
}

}  // namespace brevino::ui
