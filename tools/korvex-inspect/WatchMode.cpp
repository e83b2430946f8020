#include "tools/korvex-inspect/WatchMode.hpp"

#include "interface-reader/ElementInterface.hpp"
#include "tools/korvex-inspect/ElementJson.hpp"

#include <csignal>
#include <ctime>

namespace krx::inspect {

namespace {

sigset_t stopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

void printQueued(Elements& elements, std::ostream& out) {
    bool printed = false;
    while (const auto element = elements.getElement()) {
        out << elementToJson(*element) << '\n';
        printed = true;
    }
    if (printed) {
        out.flush();
    }
}

}  // namespace

void blockStopSignals() {
    const sigset_t set = stopSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

int watchInterfaceFile(std::ostream& out, std::ostream& err) {
    const sigset_t set = stopSignals();
    ElementInterface elementInterface;
    err << "korvex-inspect: watching " << elementInterface.parser()->interfaceFilePath().toStdString()
        << " until interrupted" << std::endl;
    elementInterface.startSorvaneXmlParserThread();

    // The signals stay blocked; waiting for them with a timeout doubles as the pause between two looks at
    // the queue, so a stop is noticed at once and no handler runs in the middle of anything.
    const timespec period{0, 10 * 1000 * 1000};
    for (;;) {
        printQueued(*elementInterface.elements(), out);
        const int signal = sigtimedwait(&set, nullptr, &period);
        if (signal == SIGINT || signal == SIGTERM) {
            break;
        }
    }
    // A batch being parsed is parsed to its end; what it queued is still printed.
    elementInterface.stopSorvaneXmlParserThread();
    printQueued(*elementInterface.elements(), out);
    err << "korvex-inspect: stopped" << std::endl;
    return 0;
}

}  // namespace krx::inspect
