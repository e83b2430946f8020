// readVSQFile against the DOM parse alone, on the same large description file. The readers must go through
// QDomDocument, so setContent is the floor; the ratio between the two is what the reader itself costs.

#include "bench/interface-reader/BenchEnvironment.hpp"
#include "bench/interface-reader/SectionDescriptionGenerator.hpp"
#include "interchange/Section.hpp"
#include "interface-reader/SorvaneXMLFileParser.hpp"
#include "interface-reader/XmlDocument.hpp"

#include <QDomDocument>
#include <QFile>

#include <benchmark/benchmark.h>

#include <chrono>
#include <stdexcept>

namespace krx::bench {
namespace {

constexpr int kSheets = 7;
constexpr int kTilesPerSheet = 2000;

const QByteArray& sectionDescription() {
    static const QByteArray data = generateSectionDescription(kSheets, kTilesPerSheet);
    return data;
}

const QString& sectionDescriptionPath() {
    static const QString path = [] {
        const QString file = QString::fromStdString(BenchEnvironment::root()) + "/big.vsq";
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) ||
            out.write(sectionDescription()) != sectionDescription().size()) {
            throw std::runtime_error("cannot write the description file");
        }
        return file;
    }();
    return path;
}

void parseDom(void*) {
    QDomDocument document;
    if (!document.setContent(sectionDescription(), false)) {
        throw std::runtime_error("the generated file is not well-formed");
    }
    benchmark::DoNotOptimize(document);
}

// The readers' own way into the DOM: a scan that refuses declarations and deep nesting, then setContent.
void parseGuarded(void*) {
    QDomDocument document;
    if (!parseXmlDocument(sectionDescription(), document)) {
        throw std::runtime_error("the generated file is refused");
    }
    benchmark::DoNotOptimize(document);
}

void readVsq(void*) {
    Elements elements;
    SorvaneXMLFileParser parser(&elements, QString::fromStdString(BenchEnvironment::root()) + "/");
    Section section;
    if (!parser.readVSQFile(sectionDescriptionPath(), &section, {Elements::SECTION, Elements::MERGER})) {
        throw std::runtime_error("readVSQFile refused the generated file");
    }
    std::size_t tiles = 0;
    for (const Sheet& sheet : section.sheets()) {
        tiles += sheet.tiles.size();
    }
    if (tiles != static_cast<std::size_t>(kSheets) * kTilesPerSheet) {
        throw std::runtime_error("readVSQFile lost tiles");
    }
    benchmark::DoNotOptimize(section);
}

void reportBytesAndPeak(benchmark::State& state, void (*work)(void*)) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * sectionDescription().size());
    state.counters["file_MB"] = sectionDescription().size() / 1e6;
    state.counters["peak_MB"] = peakMemoryOf(work, nullptr) / 1e6;
}

void BM_DomSetContent(benchmark::State& state) {
    sectionDescription();
    for (auto _ : state) {
        parseDom(nullptr);
    }
    reportBytesAndPeak(state, parseDom);
}
BENCHMARK(BM_DomSetContent)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_ParseXmlDocument(benchmark::State& state) {
    sectionDescription();
    for (auto _ : state) {
        parseGuarded(nullptr);
    }
    reportBytesAndPeak(state, parseGuarded);
}
BENCHMARK(BM_ParseXmlDocument)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_ReadVSQFile(benchmark::State& state) {
    sectionDescriptionPath();
    for (auto _ : state) {
        readVsq(nullptr);
    }
    reportBytesAndPeak(state, readVsq);
}
BENCHMARK(BM_ReadVSQFile)->Unit(benchmark::kMillisecond)->MinTime(3);

// Both in turn in every iteration, so a change in the machine's load during the run falls on both alike: the
// steadier figure for the ratio on a shared machine.
void BM_ReadVsqOverDom(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    sectionDescriptionPath();
    Clock::duration dom{};
    Clock::duration reader{};
    for (auto _ : state) {
        const auto start = Clock::now();
        parseDom(nullptr);
        const auto parsed = Clock::now();
        readVsq(nullptr);
        reader += Clock::now() - parsed;
        dom += parsed - start;
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["dom_ms"] = std::chrono::duration<double, std::milli>(dom).count() / iterations;
    state.counters["readVSQFile_ms"] = std::chrono::duration<double, std::milli>(reader).count() / iterations;
    state.counters["ratio"] = std::chrono::duration<double>(reader) / std::chrono::duration<double>(dom);
}
BENCHMARK(BM_ReadVsqOverDom)->Unit(benchmark::kMillisecond)->MinTime(6);

}  // namespace
}  // namespace krx::bench
