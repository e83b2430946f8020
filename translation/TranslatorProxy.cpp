#include "translation/TranslatorProxy.hpp"

krx::TranslatorProxy _krxtranslator_;

namespace krx {

TranslatorProxy::TranslatorProxy() : translator_(std::make_unique<Translator>()) {}

TranslatorProxy::~TranslatorProxy() = default;

bool TranslatorProxy::loadTranslation(const std::string& fileName, const std::string& folder) {
    return translator_->loadTranslation(fileName, folder);
}

std::string TranslatorProxy::translate(const std::string& key) const {
    return translator_->returnTranslation(key);
}

void TranslatorProxy::print() const {
    translator_->print();
}

}  // namespace krx
