// How long analysing one camera file takes, from the path to the finished rows.
#include <benchmark/benchmark.h>

#include "exif/analysis.h"
#include "exif/row_list.h"
#include "fixture_builder.h"

namespace {

using namespace brevino;

// A corpus camera file when the corpus is present, else a built camera-like file.
std::string cameraFile(const fixture::TempDir& dir) {
    std::string corpus = fixture::corpusDirectory();
    if (!corpus.empty()) return corpus + "/Canon_40D.jpg";
    fixture::Tiff tiff;
    tiff.ifd0.entries = {
        fixture::ascii(0x010F, "Canon"),       fixture::ascii(0x0110, "Canon EOS 40D"),
        fixture::shorts(0x0112, {1}),          fixture::rationals(0x011A, {{72, 1}}),
        fixture::rationals(0x011B, {{72, 1}}), fixture::shorts(0x0128, {2}),
        fixture::ascii(0x0131, "GIMP 2.4.5"),  fixture::ascii(0x0132, "2008:07:31 10:38:11")};
    tiff.exif = fixture::Ifd{};
    for (uint16_t tag : {0x829A, 0x829D, 0x9201, 0x9202, 0x9204, 0x920A}) {
        tiff.exif->entries.push_back(fixture::rationals(tag, {{1, 160}}));
    }
    for (uint16_t tag : {0x8822, 0x8827, 0x9207, 0x9209, 0xA001}) {
        tiff.exif->entries.push_back(fixture::shorts(tag, {1}));
    }
    tiff.exif->entries.push_back(fixture::ascii(0x9003, "2008:05:30 15:56:01"));
    tiff.exif->entries.push_back(fixture::ascii(0x9004, "2008:05:30 15:56:01"));
    tiff.exif->entries.push_back(fixture::undefined(0x927C, std::string(2000, 'm')));
    tiff.interop = fixture::Ifd{{fixture::ascii(0x0001, "R98")}};
    tiff.ifd1 = fixture::Ifd{
        {fixture::shorts(0x0103, {6}), fixture::longs(0x0201, {0}), fixture::longs(0x0202, {0})}};
    return dir.write("camera.jpg", fixture::jpegWith(tiff, {fixture::app0(16)}));
}

// The path to the finished rows, as show and the window get them.
void BM_AnalyzeFile(benchmark::State& state) {
    fixture::TempDir dir;
    const std::string path = cameraFile(dir);
    FileAnalysis analysis;
    RowList rows;
    for (auto _ : state) {
        analyzeFile(path, analysis);
        rows.build(analysis.document);
        benchmark::DoNotOptimize(rows.size());
    }
    state.counters["rows"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_AnalyzeFile);

// The bytes to the typed document, without rows.
void BM_AnalyzeBytes(benchmark::State& state) {
    fixture::TempDir dir;
    const fixture::Bytes bytes = fixture::readFile(cameraFile(dir));
    for (auto _ : state)
        benchmark::DoNotOptimize(analyzeBytes(bytes).entries.size());
}
BENCHMARK(BM_AnalyzeBytes);

}  // namespace

BENCHMARK_MAIN();
