// Runs the interface reader's benchmarks in a private HOME and TMPDIR, then states the one figure that
// needs two of them: readVSQFile's time over the bare DOM parse of the same bytes, from this same run.

#include "bench/interface-reader/BenchEnvironment.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatio() const {
        const auto reader = times_.find("BM_ReadVSQFile");
        const auto dom = times_.find("BM_DomSetContent");
        if (reader != times_.end() && dom != times_.end() && dom->second > 0) {
            std::printf("readVSQFile / QDomDocument::setContent = %.3f (goal: at most 1.5)\n",
                        reader->second / dom->second);
        }
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    krx::bench::BenchEnvironment environment;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio();
    benchmark::Shutdown();
    return 0;
}
