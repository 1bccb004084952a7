#include "edit/overwrite_save.h"

#include "platform/file_io.h"
#include "platform/file_times.h"

namespace brevino {
namespace {

bool isUnchanged(const AnalysedFile& file) {
    if (!isRegularFile(file.path)) return false;
    std::optional<FileIdentity> now = identifyFile(file.path);
    return now && *now == file.identity;
}

}  // namespace

SaveResult saveEdits(const Document& document, const Edits& edits, const AnalysedFile& file,
                     const SaveOptions& options) {
    SaveResult result;
    if (!isUnchanged(file)) {
        result.problems.push_back(Problem::OpenFirstToSave);
        return result;
    }
    bool failed = false;
    if (!edits.empty()) {
        FileHandle handle = openForWriteInPlace(file.path);
        if (!handle.isOpen()) {
            result.problems.push_back(Problem::CannotOpen);
            return result;
        }
        std::optional<FileIdentity> identity = handle.identity();
        if (!identity || !(*identity == file.identity)) {
            // Replaced between the check and the open: write nothing into another file.
            result.problems.push_back(Problem::OpenFirstToSave);
            return result;
        }
        for (const auto& [index, value] : edits) {
            const Entry& entry = document.entries[index];
            result.wrote = true;
            if (handle.writeAt(entry.position, value.bytes.data(), value.bytes.size()) !=
                    value.bytes.size() &&
                !failed) {
                result.problems.push_back(Problem::WriteFailed);
                failed = true;
            }
        }
        if (!handle.close() && !failed) {
            result.problems.push_back(Problem::WriteFailed);
            failed = true;
        }
    }
    FileTimes times = file.times;
    bool setTimes = options.keepTimes && result.wrote;
    if (options.setTimes) {
        times.access = times.modification = *options.setTimes;
        setTimes = true;
    }
    if (setTimes && !setFileTimes(file.path, times)) {
        result.problems.push_back(Problem::TimesWriteError);
        failed = true;
    }
    if (std::optional<FileIdentity> now = identifyFile(file.path)) {
        result.file = AnalysedFile{file.path, *now, timesOf(*now)};
    }
    result.ok = !failed;
    return result;
}

}  // namespace brevino
