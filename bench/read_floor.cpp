// The floor for reading many files: open each, read its leading bytes, close it. Nothing
// that analyses Exif data can be faster than this.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
    static char buffer[8192];
    long long total = 0;
    for (int i = 1; i < argc; ++i) {
        int fd = open(argv[i], O_RDONLY | O_CLOEXEC);
        if (fd < 0) continue;
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got > 0) total += got;
        close(fd);
    }
    std::printf("%lld\n", total);
    return 0;
}
