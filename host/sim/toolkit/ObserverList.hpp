#pragma once

// The observers attached to one panel, item or property-list row. Every list is known to a
// registry, so an observer that is destroyed leaves every list at once and no event can reach it
// afterwards, whatever it forgot to detach. An observer is known by the address of the observer
// base through which it was attached.

#include <vector>

namespace krx::sim::toolkit {

class ObserverList {
public:
    ObserverList();
    ~ObserverList();
    ObserverList(const ObserverList&) = delete;
    ObserverList& operator=(const ObserverList&) = delete;

    // Attaching twice keeps one entry: an event reaches an observer once.
    void attach(const void* observer);
    void detach(const void* observer);
    bool contains(const void* observer) const;
    bool isEmpty() const { return observers_.empty(); }
    // In the order of attachment. Deliver from a copy and ask contains() before each call, as a
    // handler may detach or destroy observers.
    const std::vector<const void*>& observers() const { return observers_; }

    static void forgetEverywhere(const void* observer);

private:
    std::vector<const void*> observers_;
};

}  // namespace krx::sim::toolkit
