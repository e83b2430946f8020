// The watcher at its default 10 ms period: how soon a file that appears is in the queue, and what a
// watcher costs while no file comes.

#include "bench/interface-reader/BenchEnvironment.hpp"
#include "interchange/Elements.hpp"
#include "interface-reader/SorvaneXMLFileParser.hpp"
#include "settings/SettingKeys.hpp"
#include "settings/Settings.hpp"

#include <QFile>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>
#include <random>
#include <stdexcept>
#include <thread>
#include <vector>

namespace krx::bench {
namespace {

using Clock = std::chrono::steady_clock;

QString watchedFolder() {
    return QString::fromStdString(BenchEnvironment::root()) + "/home/.Korvex/";
}

QByteArray pointBatch(int number) {
    return "<Interface version=\"1\"><Elements><E type=\"point\" name=\"P" + QByteArray::number(number) +
           "\"><Geometry number=\"" + QByteArray::number(number) +
           "\"><Shape><Point3d>1.5 2.5 3.5</Point3d></Shape><Origin3d>0 0 0</Origin3d></Geometry></E>"
           "</Elements></Interface>";
}

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

void BM_WatcherLatency(benchmark::State& state) {
    const int files = static_cast<int>(state.range(0));
    if (_krxsettings_.numberValue(settingkeys::kInterfaceFileCheckTimerMS) != 10) {
        throw std::runtime_error("the poll period is not the default 10 ms");
    }
    std::vector<double> latencies;
    for (auto _ : state) {
        Elements elements;
        SorvaneXMLFileParser watcher(&elements, watchedFolder());
        watcher.startThread();
        std::mt19937 random(42);
        std::uniform_int_distribution<int> pauseUs(0, 10000);
        for (int i = 0; i < files; ++i) {
            // Complete before it appears: written elsewhere, then renamed into place.
            const QString incoming = watchedFolder() + "incoming.tmp";
            QFile file(incoming);
            if (!file.open(QIODevice::WriteOnly) || file.write(pointBatch(i)) < 0) {
                throw std::runtime_error("cannot write a batch");
            }
            file.close();
            // Arrivals at random moments of the poll cycle.
            std::this_thread::sleep_for(std::chrono::microseconds(pauseUs(random)));
            const auto appeared = Clock::now();
            if (!QFile::rename(incoming, watcher.interfaceFilePath())) {
                throw std::runtime_error("cannot rename a batch into place");
            }
            std::unique_ptr<Element> element;
            while (!(element = elements.getElement())) {
                if (Clock::now() - appeared > std::chrono::seconds(10)) {
                    throw std::runtime_error("a batch never arrived");
                }
                std::this_thread::sleep_for(std::chrono::microseconds(50));
            }
            latencies.push_back(std::chrono::duration<double, std::milli>(Clock::now() - appeared).count());
            while (QFile::exists(watcher.interfaceFilePath())) {
                std::this_thread::sleep_for(std::chrono::microseconds(100));
            }
        }
        watcher.stopThread();
    }
    state.counters["files"] = static_cast<double>(latencies.size());
    state.counters["median_ms"] = percentile(latencies, 0.5);
    state.counters["p95_ms"] = percentile(latencies, 0.95);
    state.counters["max_ms"] = percentile(latencies, 1.0);
}
BENCHMARK(BM_WatcherLatency)->Arg(250)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_WatcherIdleCpu(benchmark::State& state) {
    const auto wall = std::chrono::seconds(state.range(0));
    double cpu = 0;
    for (auto _ : state) {
        Elements elements;
        SorvaneXMLFileParser watcher(&elements, watchedFolder());
        watcher.startThread();
        // Let the thread settle into its loop before the clock starts.
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const double before = cpuSeconds();
        std::this_thread::sleep_for(wall);
        cpu = cpuSeconds() - before;
        watcher.stopThread();
    }
    state.counters["cpu_ms"] = cpu * 1000;
    state.counters["percent_of_core"] = 100.0 * cpu / static_cast<double>(wall.count());
}
BENCHMARK(BM_WatcherIdleCpu)->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);

// The floor under the figure above on the machine at hand: a thread that only sleeps 10 ms at a time and
// does nothing else. Waking a thread a hundred times a second costs this much whatever it then does.
void BM_BareTimerIdleCpu(benchmark::State& state) {
    const auto wall = std::chrono::seconds(state.range(0));
    double cpu = 0;
    for (auto _ : state) {
        std::atomic<bool> stop{false};
        std::thread sleeper([&stop] {
            while (!stop) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const double before = cpuSeconds();
        std::this_thread::sleep_for(wall);
        cpu = cpuSeconds() - before;
        stop = true;
        sleeper.join();
    }
    state.counters["cpu_ms"] = cpu * 1000;
    state.counters["percent_of_core"] = 100.0 * cpu / static_cast<double>(wall.count());
}
BENCHMARK(BM_BareTimerIdleCpu)->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace krx::bench
