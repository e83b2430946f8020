#pragma once

#include "interchange/Element.hpp"

#include <deque>
#include <memory>
#include <mutex>

namespace krx {

// The queue between the watcher thread (the one producer) and the listener thread (the one
// consumer). Unbounded; the lock is held only to push or to move out and pop one element.
class Elements {
public:
    // Element kinds as the section description reader filters them; not the variant indices.
    enum TYPE : int {
        POINT = 0,
        TICKET = 1,
        VIEWPORT = 2,
        SECTION = 3,
        VECTORIZERGROUP = 4,
        MERGER = 5,
    };

    void appendElement(Element&& element);
    // The front element, or an empty pointer when the queue is empty.
    std::unique_ptr<Element> getElement();

private:
    std::deque<Element> elements_;
    std::mutex mutex_;
};

}  // namespace krx
