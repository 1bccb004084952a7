// The floor for reading many files: open each, read the bytes its Exif needs, close it.
// Nothing that analyses Exif data can be faster than this.
//
//   brevino_read_floor FILE...
//       reads the first 8 KiB of each file and, where a JPEG's Exif segment reaches further,
//       the rest of that segment (an Exif reader needs the segment whole).
//   brevino_read_floor --ranges LIST FILE...
//       reads the first 8 KiB of each file and the byte ranges LIST names for it beyond them:
//       lines "INDEX OFFSET LENGTH", INDEX counting the FILEs from 0, in the files' order.
//       For photos whose Exif lies further into the file than a JPEG's (a HEIF item at the
//       end, the IFDs and values of a raw file).
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

unsigned char head[8192];
unsigned char rest[1 << 20];

struct Range {
    long file;
    long long offset;
    long long length;
};

// The end of a JPEG's Exif segment when the head shows it, 0 otherwise.
long long jpegExifEnd(const unsigned char* bytes, long got) {
    if (got < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return 0;
    long at = 2;
    while (at + 10 <= got && bytes[at] == 0xFF) {
        const unsigned code = bytes[at + 1];
        if (code == 0xDA || code == 0xD9) return 0;
        const long end = at + 2 + (bytes[at + 2] << 8 | bytes[at + 3]);
        if (code == 0xE1 && bytes[at + 4] == 'E' && bytes[at + 5] == 'x') return end;
        at = end;
    }
    return 0;
}

long long readRange(int fd, long long offset, long long length) {
    long long total = 0;
    while (length > 0) {
        const long long chunk = length < static_cast<long long>(sizeof rest) ? length : sizeof rest;
        const ssize_t got = pread(fd, rest, static_cast<size_t>(chunk), offset);
        if (got <= 0) break;
        total += got;
        offset += got;
        length -= got;
    }
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Range> ranges;
    int first = 1;
    if (argc > 2 && std::string_view(argv[1]) == "--ranges") {
        FILE* list = std::fopen(argv[2], "r");
        if (list == nullptr) return 1;
        Range range{};
        while (std::fscanf(list, "%ld %lld %lld", &range.file, &range.offset, &range.length) == 3)
            ranges.push_back(range);
        std::fclose(list);
        first = 3;
    }
    long long total = 0;
    size_t next = 0;
    for (int i = first; i < argc; ++i) {
        const int fd = open(argv[i], O_RDONLY | O_CLOEXEC);
        if (fd < 0) continue;
        const ssize_t got = read(fd, head, sizeof head);
        if (got > 0) total += got;
        const long long exifEnd = jpegExifEnd(head, got);
        if (exifEnd > got) total += readRange(fd, got, exifEnd - got);
        for (; next < ranges.size() && ranges[next].file <= i - first; ++next) {
            if (ranges[next].file == i - first)
                total += readRange(fd, ranges[next].offset, ranges[next].length);
        }
        close(fd);
    }
    std::printf("%lld\n", total);
    return 0;
}
