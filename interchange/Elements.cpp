#include "interchange/Elements.hpp"

#include <utility>

namespace krx {

void Elements::appendElement(Element&& element) {
    std::lock_guard<std::mutex> lock(mutex_);
    elements_.push_back(std::move(element));
}

std::unique_ptr<Element> Elements::getElement() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (elements_.empty()) {
        return nullptr;
    }
    auto element = std::make_unique<Element>(std::move(elements_.front()));
    elements_.pop_front();
    return element;
}

}  // namespace krx
