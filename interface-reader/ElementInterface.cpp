#include "interface-reader/ElementInterface.hpp"

namespace krx {

ElementInterface::ElementInterface() {
    elements_ = std::make_unique<Elements>();
    parser_ = std::make_unique<SorvaneXMLFileParser>(elements_.get(), QString());
}

ElementInterface::~ElementInterface() {
    // The watcher holds a plain pointer to the queue: it must be stopped before the queue goes.
    parser_->stopThread();
    elements_.reset();
    parser_.reset();
}

void ElementInterface::startSorvaneXmlParserThread() {
    parser_->startThread();
}

void ElementInterface::stopSorvaneXmlParserThread() {
    parser_->stopThread();
}

}  // namespace krx
