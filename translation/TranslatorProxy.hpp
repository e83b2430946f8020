#pragma once

#include "translation/Translator.hpp"

#include <memory>
#include <string>

namespace krx {

// The add-on's one way into the translation table; owns its Translator for the program's lifetime.
class TranslatorProxy {
public:
    TranslatorProxy();
    ~TranslatorProxy();
    TranslatorProxy(const TranslatorProxy&) = delete;
    TranslatorProxy& operator=(const TranslatorProxy&) = delete;

    // fileName is "Lumivo_" + language; folder is the bundle's translations folder, which only the
    // add-on shell knows at run time.
    bool loadTranslation(const std::string& fileName, const std::string& folder);
    std::string translate(const std::string& key) const;
    void print() const;

private:
    std::unique_ptr<Translator> translator_;
};

}  // namespace krx

// Created empty at program load; every lookup answers in English until Initialize loads a file.
extern krx::TranslatorProxy _krxtranslator_;
