#include "host/sim/toolkit/ObserverList.hpp"

#include <algorithm>
#include <set>

#include "host/sim/toolkit/Toolkit.hpp"

namespace krx::sim::toolkit {

namespace {

// The toolkit runs on the host's main thread only, like the toolkit it stands for, and so does this
// unguarded registry: an observer made or destroyed on another thread is recorded as a fault. Never
// destroyed: windows held by statics of an add-on linked into the program are destroyed at exit, in
// no order relative to the toolkit's own statics.
std::set<ObserverList*>& registry() {
    Toolkit::instance();
    static auto* lists = new std::set<ObserverList*>;
    return *lists;
}

}  // namespace

ObserverList::ObserverList() {
    registry().insert(this);
}

ObserverList::~ObserverList() {
    registry().erase(this);
}

void ObserverList::attach(const void* observer) {
    if (observer != nullptr && !contains(observer)) {
        observers_.push_back(observer);
    }
}

void ObserverList::detach(const void* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

bool ObserverList::contains(const void* observer) const {
    return std::find(observers_.begin(), observers_.end(), observer) != observers_.end();
}

void ObserverList::forgetEverywhere(const void* observer) {
    for (ObserverList* list : registry()) {
        list->detach(observer);
    }
}

}  // namespace krx::sim::toolkit
