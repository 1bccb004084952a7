#include "journal/journal_text.h"

#include "platform/decimal_text.h"
#include "platform/hex_text.h"

#include <charconv>

namespace brevino {
namespace {

// Version 2 gives every record a word of its own; version 1 journals are still read.
constexpr std::string_view kFirstLine = "brevino journal 2";
constexpr std::string_view kFirstLineVersion1 = "brevino journal 1";

// Paths and titles keep every byte: "%", control characters and DEL are written as %XX.
void appendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '%' || byte < 0x20 || byte == 0x7F) {
            out.push_back('%');
            appendHexByte(out, byte);
        } else {
            out.push_back(c);
        }
    }
}

std::optional<std::string> unescaped(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out.push_back(text[i]);
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = hexValue(text[i + 1]);
        const int low = hexValue(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out.push_back(static_cast<char>(high << 4 | low));
        i += 2;
    }
    return out;
}

void appendHex(std::string& out, const std::vector<uint8_t>& bytes) {
    if (bytes.empty()) out.push_back('-');
    for (const uint8_t byte : bytes)
        appendHexByte(out, byte, HexCase::Lower);
}

std::optional<std::vector<uint8_t>> fromHex(std::string_view text) {
    std::vector<uint8_t> bytes;
    if (text == "-") return bytes;
    if (text.size() % 2) return std::nullopt;
    for (size_t i = 0; i < text.size(); i += 2) {
        const int high = hexValue(text[i]);
        const int low = hexValue(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    return bytes;
}

void appendTime(std::string& out, const timespec& time) {
    out.push_back(' ');
    appendDecimal(out, static_cast<int64_t>(time.tv_sec));
    out.push_back(' ');
    appendDecimal(out, static_cast<int64_t>(time.tv_nsec));
}

// The space-separated words of a line after its keyword.
class Words {
  public:
    explicit Words(std::string_view text) : text_(text) {}
    std::optional<std::string_view> next() {
        if (at_ >= text_.size()) return std::nullopt;
        const size_t space = text_.find(' ', at_);
        const size_t end = space == std::string_view::npos ? text_.size() : space;
        const std::string_view word = text_.substr(at_, end - at_);
        at_ = end + 1;
        return word;
    }
    template <typename Number>
    bool number(Number& value) {
        const auto word = next();
        if (!word) return false;
        const auto result = std::from_chars(word->data(), word->data() + word->size(), value);
        return result.ec == std::errc() && result.ptr == word->data() + word->size();
    }
    bool time(timespec& value) {
        int64_t seconds = 0, nanoseconds = 0;
        if (!number(seconds) || !number(nanoseconds) || nanoseconds < 0 ||
            nanoseconds >= 1000000000)
            return false;
        value.tv_sec = static_cast<time_t>(seconds);
        value.tv_nsec = static_cast<long>(nanoseconds);
        return true;
    }
    bool done() const { return at_ >= text_.size(); }

  private:
    std::string_view text_;
    size_t at_ = 0;
};

}  // namespace

std::string formatJournal(const Operation& operation) {
    std::string out(kFirstLine);
    out += "\nid ";
    appendDecimal(out, operation.id);
    out += "\nkind ";
    out += operationKindName(operation.kind);
    out += "\ntitle ";
    appendEscaped(out, operation.title);
    out += "\nstarted ";
    appendDecimal(out, operation.started);
    out += "\ntarget ";
    appendDecimal(out, operation.target);
    out += "\nfiles ";
    appendDecimal(out, operation.files.size());
    out.push_back('\n');
    for (const FileChange& change : operation.files) {
        out += "file ";
        appendEscaped(out, change.path);
        out += "\nidentity ";
        appendDecimal(out, static_cast<uint64_t>(change.identity.device));
        out.push_back(' ');
        appendDecimal(out, static_cast<uint64_t>(change.identity.inode));
        out.push_back(' ');
        appendDecimal(out, static_cast<int64_t>(change.identity.size));
        appendTime(out, change.identity.modified);
        out += "\ntimes";
        appendTime(out, change.times.access);
        appendTime(out, change.times.modification);
        out.push_back('\n');
        for (const ValueChange& value : change.values) {
            out += "value ";
            appendDecimal(out, value.position);
            out.push_back(' ');
            appendHex(out, value.before);
            out.push_back(' ');
            appendHex(out, value.after);
            out.push_back('\n');
        }
        if (change.segment) {
            const SegmentChange& segment = *change.segment;
            out += "segment ";
            appendDecimal(out, segment.position);
            out.push_back(' ');
            appendDecimal(out, segment.beforeLength);
            out.push_back(' ');
            appendDecimal(out, segment.afterLength);
            out.push_back('\n');
            for (const SegmentPatch& patch : segment.patches) {
                out += "patch ";
                appendDecimal(out, patch.offset);
                out.push_back(' ');
                appendHex(out, patch.before);
                out.push_back(' ');
                appendHex(out, patch.after);
                out.push_back('\n');
            }
        }
        if (change.newTimes) {
            out += "new-times";
            appendTime(out, change.newTimes->access);
            appendTime(out, change.newTimes->modification);
            out.push_back('\n');
        }
        if (change.renameTo) {
            out += "rename ";
            appendEscaped(out, *change.renameTo);
            out.push_back('\n');
        }
        if (change.made) out += "made\n";
        if (change.remove || change.restore) {
            out += change.remove ? "remove-to " : "restore-from ";
            appendEscaped(out, change.keptAs);
            out.push_back('\n');
        }
        if (change.after) {
            const FileFacts& after = *change.after;
            out += "after ";
            appendDecimal(out, after.device);
            out.push_back(' ');
            appendDecimal(out, after.inode);
            out.push_back(' ');
            appendDecimal(out, after.size);
            appendTime(out, after.modified);
            appendTime(out, after.changed);
            out.push_back(' ');
            appendDecimal(out, after.checksum);
            out.push_back(' ');
            appendEscaped(out, after.path);
            out.push_back('\n');
        }
        out += "end\n";
    }
    return out;
}

namespace {

// The path after `skip` space-separated words of the line, unescaped; nothing when missing.
std::optional<std::string> pathAfterWords(std::string_view rest, int skip) {
    size_t at = 0;
    for (int i = 0; i < skip; ++i) {
        const size_t space = rest.find(' ', at);
        if (space == std::string_view::npos) return std::nullopt;
        at = space + 1;
    }
    std::optional<std::string> path = unescaped(rest.substr(at));
    if (!path || path->empty()) return std::nullopt;
    return path;
}

// Reads one line of an operation's head; false for a malformed one.
bool parseHeadLine(std::string_view keyword, std::string_view rest, bool version1,
                   Operation& operation, size_t& fileCount) {
    Words words(rest);
    if (keyword == "id") return words.number(operation.id) && words.done();
    if (keyword == "kind") {
        const auto kind = operationKindNamed(rest);
        if (kind) operation.kind = *kind;
        return kind.has_value();
    }
    if (keyword == "title") {
        const auto title = unescaped(rest);
        if (title) operation.title = *title;
        return title.has_value();
    }
    if (keyword == (version1 ? "created" : "started"))
        return words.number(operation.started) && words.done();
    if (keyword == (version1 ? "undoes" : "target"))
        return words.number(operation.target) && words.done();
    if (keyword == "files" && !version1) return words.number(fileCount) && words.done();
    return false;
}

// Reads one line of a file's record; false for a malformed one.
bool parseFileLine(std::string_view keyword, std::string_view rest, bool version1,
                   FileChange& file) {
    Words words(rest);
    if (keyword == "identity") {
        uint64_t device = 0, inode = 0;
        int64_t size = 0;
        const bool ok = words.number(device) && words.number(inode) && words.number(size) &&
                        words.time(file.identity.modified) && words.done();
        file.identity.device = static_cast<dev_t>(device);
        file.identity.inode = static_cast<ino_t>(inode);
        file.identity.size = static_cast<off_t>(size);
        return ok;
    }
    if (keyword == "times")
        return words.time(file.times.access) && words.time(file.times.modification) && words.done();
    if (keyword == "value") {
        ValueChange& value = file.values.emplace_back();
        const bool position = words.number(value.position);
        const auto before = words.next();
        const auto after = words.next();
        const auto beforeBytes = before ? fromHex(*before) : std::nullopt;
        const auto afterBytes = after ? fromHex(*after) : std::nullopt;
        if (!position || !beforeBytes || !afterBytes || beforeBytes->size() != afterBytes->size() ||
            beforeBytes->empty() || !words.done())
            return false;
        value.before = *beforeBytes;
        value.after = *afterBytes;
        return true;
    }
    if (keyword == "segment" && !version1) {
        if (file.segment) return false;  // one a file
        SegmentChange& segment = file.segment.emplace();
        return words.number(segment.position) && words.number(segment.beforeLength) &&
               words.number(segment.afterLength) && words.done();
    }
    if (keyword == "patch" && file.segment) {
        SegmentPatch& patch = file.segment->patches.emplace_back();
        const bool offset = words.number(patch.offset);
        const auto before = words.next();
        const auto after = words.next();
        const auto beforeBytes = before ? fromHex(*before) : std::nullopt;
        const auto afterBytes = after ? fromHex(*after) : std::nullopt;
        if (!offset || !beforeBytes || !afterBytes || !words.done() ||
            (beforeBytes->empty() && afterBytes->empty()))
            return false;
        patch.before = *beforeBytes;
        patch.after = *afterBytes;
        return true;
    }
    if (keyword == "new-times") {
        FileTimes times;
        const bool ok = words.time(times.access) && words.time(times.modification) && words.done();
        file.newTimes = times;
        return ok;
    }
    if (keyword == "rename") {
        file.renameTo = unescaped(rest);
        return file.renameTo && !file.renameTo->empty();
    }
    if (keyword == (version1 ? "created" : "made")) {
        file.made = true;
        return rest.empty();
    }
    if (version1 && keyword == "remove") {
        file.remove = true;
        return rest.empty();
    }
    if (keyword == "remove-to" || keyword == "restore-from") {
        const auto kept = unescaped(rest);
        if (!kept || kept->empty()) return false;
        file.keptAs = *kept;
        (keyword == "remove-to" ? file.remove : file.restore) = true;
        return true;
    }
    if (keyword == "after") {
        FileFacts facts;
        bool ok = words.number(facts.device) && words.number(facts.inode) &&
                  words.number(facts.size) && words.time(facts.modified) &&
                  words.time(facts.changed) && (version1 || words.number(facts.checksum));
        // The path is the rest of the line after the numbers.
        const auto path = ok ? pathAfterWords(rest, version1 ? 7 : 8) : std::nullopt;
        ok = ok && path.has_value();
        if (ok) {
            facts.path = *path;
            file.after = facts;
        }
        return ok;
    }
    return false;
}

}  // namespace

std::optional<Operation> parseJournal(std::string_view text, bool headOnly) {
    Operation operation;
    FileChange* file = nullptr;
    bool first = true;
    bool version1 = false;
    size_t fileCount = 0;
    size_t at = 0;
    while (at < text.size()) {
        const size_t newline = text.find('\n', at);
        if (newline == std::string_view::npos) return std::nullopt;  // cut short
        const std::string_view line = text.substr(at, newline - at);
        at = newline + 1;
        if (first) {
            version1 = line == kFirstLineVersion1;
            if (line != kFirstLine && !version1) return std::nullopt;
            first = false;
            continue;
        }
        const size_t space = line.find(' ');
        const std::string_view keyword = line.substr(0, space);
        const std::string_view rest =
            space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
        bool ok = true;
        if (keyword == "file") {
            if (headOnly) break;
            const auto path = unescaped(rest);
            ok = file == nullptr && path && !path->empty();
            if (ok) {
                file = &operation.files.emplace_back();
                file->path = *path;
            }
        } else if (keyword == "end") {
            ok = file != nullptr && rest.empty();
            file = nullptr;
        } else if (file != nullptr) {
            ok = parseFileLine(keyword, rest, version1, *file);
        } else if (operation.files.empty()) {
            ok = parseHeadLine(keyword, rest, version1, operation, fileCount);
        } else {
            ok = false;  // a file's line outside a file record, or the head after the files
        }
        if (!ok) return std::nullopt;
    }
    if (first || file != nullptr || operation.id == 0) return std::nullopt;
    if (headOnly) operation.files.resize(fileCount);
    return operation;
}

}  // namespace brevino
