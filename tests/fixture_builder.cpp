#include "fixture_builder.h"

#include <brotli/encode.h>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <stdexcept>

#include "platform/crc32.h"

namespace brevino::fixture {
namespace {

Entry numeric(uint16_t tag, uint16_t type, std::vector<uint32_t> numbers) {
    Entry entry;
    entry.tag = tag;
    entry.type = type;
    entry.numbers = std::move(numbers);
    return entry;
}

int valueSize(uint16_t type) {
    switch (type) {
        case 3:
            return 2;
        case 4:
        case 9:
            return 4;
        case 5:
        case 10:
            return 8;
        default:
            return 1;
    }
}

// The value bytes of an entry in the given byte order.
Bytes valueBytes(const Entry& entry, ByteOrder order) {
    if (entry.numbers.empty()) return Bytes(entry.bytes.begin(), entry.bytes.end());
    Bytes out;
    for (uint32_t number : entry.numbers) {
        uint8_t buffer[4];
        switch (entry.type) {
            case 1:
                out.push_back(static_cast<uint8_t>(number));
                break;
            case 3:
                writeU16(static_cast<uint16_t>(number), buffer, order);
                out.insert(out.end(), buffer, buffer + 2);
                break;
            default:
                writeU32(number, buffer, order);
                out.insert(out.end(), buffer, buffer + 4);
        }
    }
    return out;
}

uint32_t naturalCount(const Entry& entry, size_t byteLength) {
    if (entry.count) return *entry.count;
    if (entry.numbers.empty()) return static_cast<uint32_t>(byteLength);
    return static_cast<uint32_t>(byteLength / valueSize(entry.type));
}

void put16(Bytes& out, size_t at, uint16_t value, ByteOrder order) {
    writeU16(value, &out[at], order);
}
void put32(Bytes& out, size_t at, uint32_t value, ByteOrder order) {
    writeU32(value, &out[at], order);
}

// Writes an IFD at the end of `out` (an offset of `base` from the TIFF header), its values
// after it; answers the value-field positions by tag, for pointers patched later.
std::map<uint16_t, size_t> writeIfd(Bytes& out, size_t base, const Ifd& ifd, ByteOrder order,
                                    size_t* nextLinkAt = nullptr) {
    std::map<uint16_t, size_t> fields;
    const size_t start = out.size();
    const size_t count = ifd.entries.size();
    out.resize(start + 2 + 12 * count + 4, 0);
    put16(out, start, static_cast<uint16_t>(count), order);
    if (nextLinkAt) *nextLinkAt = start + 2 + 12 * count;
    for (size_t i = 0; i < count; ++i) {
        const Entry& entry = ifd.entries[i];
        const size_t at = start + 2 + 12 * i;
        Bytes value = valueBytes(entry, order);
        put16(out, at, entry.tag, order);
        put16(out, at + 2, entry.type, order);
        put32(out, at + 4, naturalCount(entry, value.size()), order);
        fields[entry.tag] = at + 8;
        if (entry.valueField) {
            put32(out, at + 8, *entry.valueField, order);
        } else if (value.size() <= 4) {
            std::copy(value.begin(), value.end(), out.begin() + static_cast<long>(at + 8));
        } else {
            if (out.size() % 2) out.push_back(0);
            put32(out, at + 8, static_cast<uint32_t>(base + out.size()), order);
            out.insert(out.end(), value.begin(), value.end());
        }
    }
    return fields;
}

// The maker-note block placed at `offset` from the TIFF header.
Bytes makerNoteBlock(const MakerNote& note, size_t offset) {
    Bytes block(note.header.begin(), note.header.end());
    // Offsets from a byte of the note: the block's own positions less that byte's (modulo
    // the size type, as writeIfd adds its base).
    writeIfd(block, note.offsetsFrom ? size_t{0} - *note.offsetsFrom : offset, note.ifd,
             note.order);
    return block;
}

}  // namespace

Entry byteValues(uint16_t tag, std::vector<uint32_t> values) {
    return numeric(tag, 1, std::move(values));
}

Entry ascii(uint16_t tag, const std::string& text, std::optional<uint32_t> count) {
    Entry entry;
    entry.tag = tag;
    entry.type = 2;
    entry.bytes = text;
    entry.bytes.push_back('\0');
    if (count) entry.bytes.resize(*count, '\0');
    return entry;
}

Entry shorts(uint16_t tag, std::vector<uint32_t> values) {
    return numeric(tag, 3, std::move(values));
}
Entry longs(uint16_t tag, std::vector<uint32_t> values) {
    return numeric(tag, 4, std::move(values));
}

Entry slongs(uint16_t tag, std::vector<int32_t> values) {
    return numeric(tag, 9, std::vector<uint32_t>(values.begin(), values.end()));
}

Entry rationals(uint16_t tag, std::vector<std::pair<uint32_t, uint32_t>> values) {
    std::vector<uint32_t> numbers;
    for (auto [n, d] : values)
        numbers.insert(numbers.end(), {n, d});
    Entry entry = numeric(tag, 5, numbers);
    if (values.empty()) entry.count = 0;
    return entry;
}

Entry srationals(uint16_t tag, std::vector<std::pair<int32_t, int32_t>> values) {
    std::vector<uint32_t> numbers;
    for (auto [n, d] : values) {
        numbers.push_back(static_cast<uint32_t>(n));
        numbers.push_back(static_cast<uint32_t>(d));
    }
    return numeric(tag, 10, numbers);
}

Entry undefined(uint16_t tag, const std::string& bytes) {
    Entry entry;
    entry.tag = tag;
    entry.type = 7;
    entry.bytes = bytes;
    return entry;
}

Entry rawEntry(uint16_t tag, uint16_t type, uint32_t count, uint32_t valueField) {
    Entry entry;
    entry.tag = tag;
    entry.type = type;
    entry.count = count;
    entry.valueField = valueField;
    return entry;
}

Bytes buildTiff(const Tiff& tiff) {
    const ByteOrder order = tiff.order;
    Bytes out(8, 0);
    std::string mark = tiff.mark.empty() ? (order == Intel ? "II" : "MM") : tiff.mark;
    out[0] = static_cast<uint8_t>(mark[0]);
    out[1] = static_cast<uint8_t>(mark[1]);
    put16(out, 2, 42, order);
    put32(out, 4, 8, order);

    const bool hasMakerNote = tiff.makerNote || tiff.rawMakerNote;
    Ifd ifd0 = tiff.ifd0;
    const bool hasExif = tiff.exif.has_value() || hasMakerNote || tiff.interop.has_value();
    Ifd exif = tiff.exif.value_or(Ifd{});
    if (hasExif) ifd0.entries.push_back(longs(0x8769, {0}));
    if (tiff.gps) ifd0.entries.push_back(longs(0x8825, {0}));
    if (tiff.interop) exif.entries.push_back(longs(0xA005, {0}));

    Bytes makerBlock;
    if (tiff.makerNote) makerBlock = makerNoteBlock(*tiff.makerNote, 0);
    if (tiff.rawMakerNote) makerBlock.assign(tiff.rawMakerNote->begin(), tiff.rawMakerNote->end());
    if (hasMakerNote) {
        Entry note = rawEntry(0x927C, 7, static_cast<uint32_t>(makerBlock.size()), 0);
        if (tiff.makerNote && tiff.makerNote->count) note.count = tiff.makerNote->count;
        exif.entries.push_back(note);
    }

    size_t ifd0Link = 0;
    auto ifd0Fields = writeIfd(out, 0, ifd0, order, &ifd0Link);
    std::map<uint16_t, size_t> exifFields;
    if (hasExif) {
        put32(out, ifd0Fields.at(0x8769), static_cast<uint32_t>(out.size()), order);
        exifFields = writeIfd(out, 0, exif, order);
    }
    if (tiff.interop) {
        put32(out, exifFields.at(0xA005), static_cast<uint32_t>(out.size()), order);
        writeIfd(out, 0, *tiff.interop, order);
    }
    if (tiff.gps) {
        put32(out, ifd0Fields.at(0x8825), static_cast<uint32_t>(out.size()), order);
        writeIfd(out, 0, *tiff.gps, order);
    }
    if (tiff.ifd1 || tiff.thumbnail) {
        Ifd ifd1 = tiff.ifd1.value_or(Ifd{});
        if (tiff.thumbnail) {
            ifd1.entries.push_back(shorts(0x0103, {6}));
            ifd1.entries.push_back(longs(0x0201, {0}));
            ifd1.entries.push_back(longs(0x0202, {static_cast<uint32_t>(tiff.thumbnail->size())}));
        }
        put32(out, ifd0Link, static_cast<uint32_t>(out.size()), order);
        const auto ifd1Fields = writeIfd(out, 0, ifd1, order);
        if (tiff.thumbnail) {
            put32(out, ifd1Fields.at(0x0201), static_cast<uint32_t>(out.size()), order);
            out.insert(out.end(), tiff.thumbnail->begin(), tiff.thumbnail->end());
        }
    }
    if (hasMakerNote) {
        if (out.size() % 2) out.push_back(0);
        const size_t at = out.size();
        put32(out, exifFields.at(0x927C), static_cast<uint32_t>(at), order);
        if (tiff.makerNote) makerBlock = makerNoteBlock(*tiff.makerNote, at);
        out.insert(out.end(), makerBlock.begin(), makerBlock.end());
    }
    return out;
}

namespace {

void appendBig32(Bytes& out, uint64_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void appendLittle32(Bytes& out, uint64_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

// One byte at a time: a range insert into an empty vector trips a false warning of GCC 12.
void append(Bytes& out, std::string_view text) {
    for (const char c : text)
        out.push_back(static_cast<uint8_t>(c));
}

// A box: its 32-bit size, its type, its body.
Bytes box(std::string_view type, const Bytes& body) {
    Bytes out;
    appendBig32(out, 8 + body.size());
    append(out, type);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

// A HEIF file whose meta box names item 1 "Exif", placed as the wrapping says.
Bytes heifWith(const Bytes& payload, Wrapping wrapping) {
    Bytes ftyp;
    append(ftyp, "heic");
    appendBig32(ftyp, 0);
    append(ftyp, "mif1heic");
    Bytes infe = {2, 0, 0, 0, 0, 1, 0, 0};  // version 2, item 1, no protection
    append(infe, "Exif");
    infe.push_back(0);  // an empty name
    Bytes iinf = {0, 0, 0, 0, 0, 1};
    const Bytes infeBox = box("infe", infe);
    iinf.insert(iinf.end(), infeBox.begin(), infeBox.end());
    const bool idat = wrapping == Wrapping::HeifIdat;
    const uint8_t version = wrapping == Wrapping::Heif ? 0 : wrapping == Wrapping::HeifIdat ? 1 : 2;
    // The iloc box with a placeholder offset, patched once the layout is known.
    auto iloc = [&](uint64_t offset) {
        Bytes body = {version, 0, 0, 0, 0x44, 0x00};  // 4-byte offsets and lengths
        if (version < 2) {
            body.insert(body.end(), {0, 1, 0, 1});  // one item, number 1
        } else {
            body.insert(body.end(), {0, 0, 0, 1, 0, 0, 0, 1});
        }
        if (version >= 1) body.insert(body.end(), {0, static_cast<uint8_t>(idat ? 1 : 0)});
        body.insert(body.end(), {0, 0, 0, 1});  // data reference 0, one extent
        appendBig32(body, offset);
        appendBig32(body, payload.size());
        return box("iloc", body);
    };
    auto meta = [&](uint64_t offset) {
        Bytes body = {0, 0, 0, 0};
        const Bytes parts[] = {box("iinf", iinf), iloc(offset),
                               idat ? box("idat", payload) : Bytes{}};
        for (const Bytes& part : parts)
            body.insert(body.end(), part.begin(), part.end());
        return box("meta", body);
    };
    const Bytes picture = box("mdat", Bytes(40, 0x55));
    Bytes file = box("ftyp", ftyp);
    const size_t metaAt = file.size();
    Bytes draft = meta(0);
    if (idat) {
        file.insert(file.end(), draft.begin(), draft.end());
        file.insert(file.end(), picture.begin(), picture.end());
        return file;
    }
    const Bytes data = box("mdat", payload);
    // At the end, after the picture, or right after the meta box.
    const uint64_t offset = wrapping == Wrapping::HeifAtEnd
                                ? metaAt + draft.size() + picture.size() + 8
                                : metaAt + draft.size() + 8;
    draft = meta(offset);
    file.insert(file.end(), draft.begin(), draft.end());
    if (wrapping == Wrapping::HeifAtEnd) file.insert(file.end(), picture.begin(), picture.end());
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

}  // namespace

Bytes wrapTiff(const Bytes& tiff, Wrapping wrapping) {
    Bytes exifPayload;
    append(exifPayload, std::string_view("Exif\0\0", 6));
    exifPayload.insert(exifPayload.end(), tiff.begin(), tiff.end());
    switch (wrapping) {
        case Wrapping::Heif:
        case Wrapping::HeifIdat:
        case Wrapping::HeifAtEnd: {
            Bytes payload;
            appendBig32(payload, 6);
            payload.insert(payload.end(), exifPayload.begin(), exifPayload.end());
            return heifWith(payload, wrapping);
        }
        case Wrapping::WebP: {
            Bytes chunks;
            append(chunks, "WEBP");
            append(chunks, "EXIF");
            appendLittle32(chunks, exifPayload.size());
            chunks.insert(chunks.end(), exifPayload.begin(), exifPayload.end());
            if (exifPayload.size() % 2) chunks.push_back(0);
            Bytes file;
            append(file, "RIFF");
            appendLittle32(file, chunks.size());
            file.insert(file.end(), chunks.begin(), chunks.end());
            return file;
        }
        case Wrapping::Png: {
            Bytes file = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
            auto chunk = [&](std::string_view type, const Bytes& data) {
                appendBig32(file, data.size());
                Bytes covered;
                append(covered, type);
                covered.insert(covered.end(), data.begin(), data.end());
                file.insert(file.end(), covered.begin(), covered.end());
                appendBig32(file, crc32(covered));
            };
            chunk("IHDR", {0, 0, 0, 1, 0, 0, 0, 1, 8, 2, 0, 0, 0});
            chunk("eXIf", tiff);
            chunk("IEND", {});
            return file;
        }
        case Wrapping::Jxl:
        case Wrapping::JxlCompressed: {
            Bytes file = {0, 0, 0, 0x0C, 'J', 'X', 'L', ' ', 0x0D, 0x0A, 0x87, 0x0A};
            Bytes ftyp;
            append(ftyp, "jxl ");
            appendBig32(ftyp, 0);
            append(ftyp, "jxl ");
            const Bytes ftypBox = box("ftyp", ftyp);
            file.insert(file.end(), ftypBox.begin(), ftypBox.end());
            Bytes payload = {0, 0, 0, 0};
            payload.insert(payload.end(), tiff.begin(), tiff.end());
            Bytes exif;
            if (wrapping == Wrapping::Jxl) {
                exif = box("Exif", payload);
            } else {
                Bytes compressed(BrotliEncoderMaxCompressedSize(payload.size()));
                size_t size = compressed.size();
                BrotliEncoderCompress(BROTLI_DEFAULT_QUALITY, BROTLI_DEFAULT_WINDOW,
                                      BROTLI_MODE_GENERIC, payload.size(), payload.data(), &size,
                                      compressed.data());
                compressed.resize(size);
                Bytes body;
                append(body, "Exif");
                body.insert(body.end(), compressed.begin(), compressed.end());
                exif = box("brob", body);
            }
            file.insert(file.end(), exif.begin(), exif.end());
            const Bytes codestream = box("jxlc", {0xFF, 0x0A, 0, 0});
            file.insert(file.end(), codestream.begin(), codestream.end());
            return file;
        }
        case Wrapping::Raf: {
            const Bytes jpeg = buildJpeg(tiff);
            Bytes file;
            append(file, "FUJIFILMCCD-RAW 0201FF383501");
            file.resize(84, 0);
            appendBig32(file, 100);
            appendBig32(file, jpeg.size());
            file.resize(100, 0);
            file.insert(file.end(), jpeg.begin(), jpeg.end());
            return file;
        }
    }
    return {};
}

size_t wrappedTiffOffset(const Bytes& file, const Bytes& tiff) {
    return static_cast<size_t>(std::search(file.begin(), file.end(), tiff.begin(), tiff.end()) -
                               file.begin());
}

Bytes cr3With(const Bytes& cmt1, const Bytes& cmt2, const Bytes& cmt3, const Bytes& cmt4) {
    Bytes ftyp;
    append(ftyp, "crx ");
    appendBig32(ftyp, 1);
    append(ftyp, "crx isom");
    Bytes canon = {0x85, 0xc0, 0xb6, 0x87, 0x82, 0x0f, 0x11, 0xe0,
                   0x81, 0x11, 0xf4, 0xce, 0x46, 0x2b, 0x6a, 0x48};
    const std::pair<const char*, const Bytes*> blocks[] = {
        {"CMT1", &cmt1}, {"CMT2", &cmt2}, {"CMT3", &cmt3}, {"CMT4", &cmt4}};
    for (const auto& [type, bytes] : blocks) {
        if (bytes->empty()) continue;
        const Bytes part = box(type, *bytes);
        canon.insert(canon.end(), part.begin(), part.end());
    }
    Bytes file = box("ftyp", ftyp);
    const Bytes moov = box("moov", box("uuid", canon));
    file.insert(file.end(), moov.begin(), moov.end());
    const Bytes mdat = box("mdat", Bytes(32, 0x11));
    file.insert(file.end(), mdat.begin(), mdat.end());
    return file;
}

Segment app0(uint16_t length) {
    Segment segment;
    segment.marker = 0xE0;
    segment.payload = std::string("JFIF\0\1\1\0\0\1\0\1\0\0", 14);
    segment.payload.resize(length - 2, '\0');
    return segment;
}

size_t tiffOffset(const std::vector<Segment>& before) {
    size_t offset = 2;
    for (const Segment& segment : before)
        offset += segment.payload.size() + 4;
    return offset + 10;
}

Bytes buildJpeg(const Bytes& tiff, const std::vector<Segment>& before) {
    Bytes out = {0xFF, 0xD8};
    auto appendSegment = [&](uint8_t marker, const Bytes& payload) {
        const size_t length = payload.size() + 2;
        if (length > 0xFFFF) throw std::length_error("segment too long");
        out.insert(out.end(),
                   {0xFF, marker, static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length)});
        out.insert(out.end(), payload.begin(), payload.end());
    };
    for (const Segment& segment : before) {
        appendSegment(segment.marker, Bytes(segment.payload.begin(), segment.payload.end()));
    }
    Bytes exif = {'E', 'x', 'i', 'f', 0, 0};
    exif.insert(exif.end(), tiff.begin(), tiff.end());
    appendSegment(0xE1, exif);
    // A token scan: a start-of-scan segment, some entropy-coded bytes, end of image.
    appendSegment(0xDA, Bytes{1, 1, 0, 0, 0x3F, 0});
    for (int i = 0; i < 64; ++i)
        out.push_back(static_cast<uint8_t>(i * 37));
    out.insert(out.end(), {0xFF, 0xD9});
    return out;
}

Bytes jpegWith(const Tiff& tiff, const std::vector<Segment>& before) {
    return buildJpeg(buildTiff(tiff), before);
}

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/brevino-test-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = buffer.data();
}

TempDir::~TempDir() {
    std::function<void(const std::string&)> removeTree = [&](const std::string& path) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0) return;
        if (S_ISDIR(info.st_mode)) {
            chmod(path.c_str(), 0700);
            if (DIR* dir = opendir(path.c_str())) {
                while (dirent* item = readdir(dir)) {
                    std::string name = item->d_name;
                    if (name != "." && name != "..") removeTree(path + "/" + name);
                }
                closedir(dir);
            }
            rmdir(path.c_str());
        } else {
            unlink(path.c_str());
        }
    };
    removeTree(path_);
}

std::string TempDir::write(const std::string& name, const Bytes& bytes) const {
    std::string path = file(name);
    writeFile(path, bytes);
    return path;
}

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string corpusDirectory() {
    const char* fromEnvironment = std::getenv("BREVINO_CORPUS");
    std::string path =
        fromEnvironment && *fromEnvironment ? fromEnvironment : BREVINO_DEFAULT_CORPUS;
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? path : std::string();
}

std::vector<std::string> corpusFiles() {
    std::vector<std::string> files;
    const std::string root = corpusDirectory();
    if (root.empty()) return files;
    std::function<void(const std::string&)> collect = [&](const std::string& folder) {
        DIR* dir = opendir(folder.c_str());
        if (!dir) return;
        while (dirent* item = readdir(dir)) {
            std::string name = item->d_name;
            if (name == "." || name == "..") continue;
            std::string path = folder + "/" + name;
            struct stat info {};
            if (stat(path.c_str(), &info) != 0) continue;
            if (S_ISDIR(info.st_mode)) {
                collect(path);
            } else if (name.ends_with(".jpg") || name.ends_with(".jpeg")) {
                files.push_back(path);
            }
        }
        closedir(dir);
    };
    collect(root);
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace brevino::fixture
