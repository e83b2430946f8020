#pragma once

#include <QObject>

#include <map>
#include <string>

class QTranslator;

namespace krx {

// The table of user-visible texts. English texts are the keys; loading a translation file fills the
// fixed rows with the file's texts, and a lookup falls back to the English key wherever the table has
// nothing better. Used on the host's main thread only, so it carries no lock.
//
// A QObject only so that it owns its loader: the host has no QCoreApplication, and none is needed.
class Translator : public QObject {
public:
    Translator();

    // Loads "<folder>/<fileName>.qm" (or the exact file name) and rebuilds every row from it. A
    // failed load leaves every row empty, so all lookups answer in English. Returns the load's result.
    bool loadTranslation(const std::string& fileName, const std::string& folder);

    // The stored translation of the key, or the key itself when there is none or it is empty.
    std::string returnTranslation(const std::string& key) const;

    // Writes the table to the debug log, one line per entry in key order.
    void print() const;

private:
    QTranslator* loader_;
    std::map<std::string, std::string> table_;
};

}  // namespace krx
