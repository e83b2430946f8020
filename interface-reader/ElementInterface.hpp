#pragma once

#include "interchange/Elements.hpp"
#include "interface-reader/SorvaneXMLFileParser.hpp"

#include <memory>

namespace krx {

// The element queue together with the watcher that fills it, so that their lifetimes are tied: the
// watcher is stopped before the queue goes, and no element can be appended to a destroyed queue.
class ElementInterface {
public:
    // The watcher watches the interface file in ~/.Korvex; its thread is not started yet.
    ElementInterface();
    // Stops the watcher, then discards every element still queued.
    ~ElementInterface();

    ElementInterface(const ElementInterface&) = delete;
    ElementInterface& operator=(const ElementInterface&) = delete;

    void startSorvaneXmlParserThread();
    // Returns once the watcher thread has ended; it can be started again.
    void stopSorvaneXmlParserThread();

    Elements* elements() const { return elements_.get(); }
    SorvaneXMLFileParser* parser() const { return parser_.get(); }

private:
    std::unique_ptr<SorvaneXMLFileParser> parser_;
    std::unique_ptr<Elements> elements_;
};

}  // namespace krx
