// One bare DOM parse and one readVSQFile of the large description file, each once, for an instruction
// count under callgrind: on a shared machine the counts repeat where times do not. Compare the inclusive
// cost of krx::bench::domOnce with that of krx::bench::readVsqOnce:
//   valgrind --tool=callgrind --callgrind-out-file=vsq.out
//   build/release/bench/interface-reader/krx_read_vsq_once callgrind_annotate --inclusive=yes vsq.out | grep
//   -E 'domOnce|readVsqOnce'

#include "bench/interface-reader/BenchEnvironment.hpp"
#include "bench/interface-reader/SectionDescriptionGenerator.hpp"
#include "interchange/Section.hpp"
#include "interface-reader/SorvaneXMLFileParser.hpp"

#include <QDomDocument>
#include <QFile>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace krx::bench {

constexpr int kSheets = 7;
constexpr int kTilesPerSheet = 2000;

// Not inlined, so each stands as one function in the profile.
__attribute__((noinline)) void domOnce(const QByteArray& data) {
    QDomDocument document;
    if (!document.setContent(data, false)) {
        throw std::runtime_error("the generated file is not well-formed");
    }
}

__attribute__((noinline)) std::size_t readVsqOnce(const QString& path) {
    Elements elements;
    SorvaneXMLFileParser parser(&elements, QString::fromStdString(BenchEnvironment::root()) + "/");
    Section section;
    if (!parser.readVSQFile(path, &section, {Elements::SECTION, Elements::MERGER})) {
        throw std::runtime_error("readVSQFile refused the generated file");
    }
    std::size_t tiles = 0;
    for (const Sheet& sheet : section.sheets()) {
        tiles += sheet.tiles.size();
    }
    return tiles;
}

long minorFaults() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

template <typename Work>
void report(const char* name, Work work) {
    const long faults = minorFaults();
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::printf("%-12s %8.1f ms %8ld minor faults\n", name, took.count(), minorFaults() - faults);
}

}  // namespace krx::bench

int main(int argc, char** argv) {
    using namespace krx::bench;
    const BenchEnvironment environment;
    const QByteArray data = generateSectionDescription(kSheets, kTilesPerSheet);
    const QString path = QString::fromStdString(BenchEnvironment::root()) + "/big.vsq";
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size()) {
        std::fprintf(stderr, "cannot write the description file\n");
        return 1;
    }
    out.close();
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 0;
    for (int i = 0; i < rounds; ++i) {
        report("setContent", [&] { domOnce(data); });
        report("readVSQFile", [&] { readVsqOnce(path); });
    }
    domOnce(data);
    const std::size_t tiles = readVsqOnce(path);
    std::printf("%zu tiles read\n", tiles);
    return tiles == static_cast<std::size_t>(kSheets) * kTilesPerSheet ? 0 : 1;
}
