#include "translation/Translator.hpp"

#include "diagnostics/DebugSingleton.hpp"
#include "translation/TranslationRows.hpp"

#include <QString>
#include <QTranslator>

#include <cstddef>
#include <ostream>

namespace krx {

Translator::Translator() : loader_(new QTranslator(this)) {}

bool Translator::loadTranslation(const std::string& fileName, const std::string& folder) {
    // QTranslator treats a null and an empty argument differently. A null suffix makes it try the
    // compiled ".qm" name first; empty, non-null delimiters stop it from cutting the name at '_' or
    // '.', which would let "Lumivo_fr" fall back to some "Lumivo" file.
    const QString noDelimiters = QStringLiteral("");
    const QString defaultSuffix;
    const bool loaded = loader_->load(
        QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())),
        QString::fromUtf8(folder.data(), static_cast<qsizetype>(folder.size())), noDelimiters, defaultSuffix);
    DebugSingleton::instance().log() << "Loaded translation succesfully: " << (loaded ? "true" : "false")
                                     << std::endl;

    const TranslationRow* rows = translationRows();
    for (std::size_t i = 0; i < translationRowCount(); ++i) {
        const TranslationRow& row = rows[i];
        for (int fill = 0; fill < row.fills; ++fill) {
            // Without a loaded file the loader answers empty for everything; that is stored as it is
            // and makes the lookup fall back to English.
            table_[row.key] = loader_->translate(row.context, row.sourceText).toStdString();
        }
    }
    return loaded;
}

std::string Translator::returnTranslation(const std::string& key) const {
    const auto entry = table_.find(key);
    if (entry != table_.end() && !entry->second.empty()) {
        return entry->second;
    }
    return key;
}

void Translator::print() const {
    std::size_t index = 0;
    for (const auto& [key, value] : table_) {
        DebugSingleton::instance().log() << "key val: " << index << " " << key << "."
                                         << " ----- " << value << "." << std::endl;
        ++index;
    }
}

}  // namespace krx
