// What a batch run tells at its end: "一括変換完了しました。" when every file was processed;
// otherwise how many files were changed and how many were not, and each file left alone with
// why (it failed, or it lacked what the operation needs).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "batch/batch_run.h"
#include "workspace/undo_report.h"

namespace brevino {

class BatchSummary {
  public:
    // Takes in what became of one file.
    void add(const BatchRun::Step& step);
    // Files that were not processed in the end (a run stopped before them).
    void addNotReached(size_t files) { notReached_ += files; }
    // A file left alone before the run, and why (not a regular file).
    void addLeftAlone(ReportLine line) {
        ++unchanged_;
        leftAlone_.push_back(std::move(line));
    }

    bool allProcessed() const { return unchanged_ == 0 && notReached_ == 0; }
    size_t changed() const { return changed_; }
    size_t unchanged() const { return unchanged_ + notReached_; }
    // The closing line, then (when files were left alone) one line a file with its reason.
    std::vector<ReportLine> lines() const;

  private:
    size_t changed_ = 0;
    size_t unchanged_ = 0;
    size_t notReached_ = 0;
    std::vector<ReportLine> leftAlone_;
};

}  // namespace brevino
