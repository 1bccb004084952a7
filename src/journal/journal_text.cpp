#include "journal/journal_text.h"

#include "platform/decimal_text.h"

#include <charconv>

namespace brevino {
namespace {

constexpr std::string_view kFirstLine = "brevino journal 1";

// Paths and titles keep every byte: "%", control characters and DEL are written as %XX.
void appendEscaped(std::string& out, std::string_view text) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '%' || byte < 0x20 || byte == 0x7F) {
            out.push_back('%');
            out.push_back(kDigits[byte >> 4]);
            out.push_back(kDigits[byte & 0xF]);
        } else {
            out.push_back(c);
        }
    }
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
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
    static constexpr char kDigits[] = "0123456789abcdef";
    if (bytes.empty()) out.push_back('-');
    for (const uint8_t byte : bytes) {
        out.push_back(kDigits[byte >> 4]);
        out.push_back(kDigits[byte & 0xF]);
    }
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
    appendEscaped(out, operation.kind);
    out += "\ntitle ";
    appendEscaped(out, operation.title);
    out += "\ncreated ";
    appendDecimal(out, operation.created);
    out += "\nundoes ";
    appendDecimal(out, operation.undoes);
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
        if (change.created) out += "created\n";
        if (change.remove) out += "remove\n";
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
            appendEscaped(out, after.path);
            out.push_back('\n');
        }
        out += "end\n";
    }
    return out;
}

std::optional<Operation> parseJournal(std::string_view text) {
    Operation operation;
    FileChange* file = nullptr;
    bool first = true;
    bool ended = true;  // no file record open
    size_t at = 0;
    while (at < text.size()) {
        const size_t newline = text.find('\n', at);
        if (newline == std::string_view::npos) return std::nullopt;  // cut short
        const std::string_view line = text.substr(at, newline - at);
        at = newline + 1;
        if (first) {
            if (line != kFirstLine) return std::nullopt;
            first = false;
            continue;
        }
        const size_t space = line.find(' ');
        const std::string_view keyword = line.substr(0, space);
        const std::string_view rest =
            space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
        Words words(rest);
        bool ok = true;
        if (keyword == "id") {
            ok = words.number(operation.id) && words.done();
        } else if (keyword == "kind" || keyword == "title") {
            const auto value = unescaped(rest);
            ok = value.has_value();
            if (ok) (keyword == "kind" ? operation.kind : operation.title) = *value;
        } else if (keyword == "created") {
            ok = words.number(operation.created) && words.done();
        } else if (keyword == "undoes") {
            ok = words.number(operation.undoes) && words.done();
        } else if (keyword == "file") {
            const auto path = unescaped(rest);
            ok = ended && path && !path->empty();
            if (ok) {
                file = &operation.files.emplace_back();
                file->path = *path;
                ended = false;
            }
        } else if (ended || file == nullptr) {
            ok = false;  // a file's line outside a file record
        } else if (keyword == "identity") {
            uint64_t device = 0, inode = 0;
            int64_t size = 0;
            ok = words.number(device) && words.number(inode) && words.number(size) &&
                 words.time(file->identity.modified) && words.done();
            file->identity.device = static_cast<dev_t>(device);
            file->identity.inode = static_cast<ino_t>(inode);
            file->identity.size = static_cast<off_t>(size);
        } else if (keyword == "times") {
            ok = words.time(file->times.access) && words.time(file->times.modification) &&
                 words.done();
        } else if (keyword == "value") {
            ValueChange& value = file->values.emplace_back();
            ok = words.number(value.position);
            const auto before = words.next();
            const auto after = words.next();
            const auto beforeBytes = before ? fromHex(*before) : std::nullopt;
            const auto afterBytes = after ? fromHex(*after) : std::nullopt;
            ok = ok && beforeBytes && afterBytes && beforeBytes->size() == afterBytes->size() &&
                 !beforeBytes->empty() && words.done();
            if (ok) {
                value.before = *beforeBytes;
                value.after = *afterBytes;
            }
        } else if (keyword == "new-times") {
            FileTimes times;
            ok = words.time(times.access) && words.time(times.modification) && words.done();
            file->newTimes = times;
        } else if (keyword == "rename") {
            file->renameTo = unescaped(rest);
            ok = file->renameTo && !file->renameTo->empty();
        } else if (keyword == "created" || keyword == "remove") {
            ok = rest.empty();
            (keyword == "created" ? file->created : file->remove) = true;
        } else if (keyword == "after") {
            FileFacts facts;
            ok = words.number(facts.device) && words.number(facts.inode) &&
                 words.number(facts.size) && words.time(facts.modified) &&
                 words.time(facts.changed);
            // The path is the rest of the line after the seven numbers.
            size_t skip = rest.find(' ');
            for (int i = 1; ok && i < 7; ++i) {
                ok = skip != std::string_view::npos;
                if (ok) skip = rest.find(' ', skip + 1);
            }
            ok = ok && skip != std::string_view::npos;
            const auto path = ok ? unescaped(rest.substr(skip + 1)) : std::nullopt;
            ok = ok && path && !path->empty();
            if (ok) {
                facts.path = *path;
                file->after = facts;
            }
        } else if (keyword == "end") {
            ok = rest.empty();
            ended = true;
        } else {
            ok = false;
        }
        if (!ok) return std::nullopt;
    }
    if (first || !ended || operation.id == 0) return std::nullopt;
    return operation;
}

}  // namespace brevino
