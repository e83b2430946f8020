#pragma once

#include "interchange/Section.hpp"
#include "interchange/Sheet.hpp"

#include <string>
#include <utility>
#include <vector>

namespace krx {

// Merged orthophoto sheets of a parent section: one sheet per merged image, each with one tile.
class Merger {
public:
    const std::vector<Sheet>& sheets() const { return sheets_; }
    void setSheets(const std::vector<Sheet>& sheets) { sheets_ = sheets; }
    // For a reader that hands over sheets of thousands of tiles it no longer needs.
    void setSheets(std::vector<Sheet>&& sheets) { sheets_ = std::move(sheets); }
    Sheet getSheet(Sheet::SheetType type) const { return findSheet(sheets_, type); }

    const std::string& name() const { return name_; }
    void setName(const std::string& name) { name_ = name; }
    const std::string& UUID() const { return UUID_; }
    void setUUID(const std::string& uuid) { UUID_ = uuid; }
    const std::string& parentUUID() const { return parentUUID_; }
    void setParentUUID(const std::string& uuid) { parentUUID_ = uuid; }
    bool isProcessed() const { return isProcessed_; }
    void setIsProcessed(bool isProcessed) { isProcessed_ = isProcessed; }

private:
    std::vector<Sheet> sheets_;
    std::string name_;
    std::string UUID_ = kNullUUID;
    std::string parentUUID_ = kNullUUID;
    bool isProcessed_ = false;
};

}  // namespace krx
