#pragma once

#include "interchange/Geometry.hpp"
#include "interchange/Sheet.hpp"

#include <string>
#include <utility>
#include <vector>

namespace krx {

inline constexpr const char* kNullUUID = "{00000000-0000-0000-0000-000000000000}";

// A section box or layout announced by Sorvane.
class Section {
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
    const std::string& vsqPath() const { return vsqPath_; }
    void setVsqPath(const std::string& path) { vsqPath_ = path; }
    // vsqPath up to and including its last '.', then "dwg".
    std::string dwgPath() const;

    Point3d controlPX() const { return controlPX_; }
    Point3d controlNX() const { return controlNX_; }
    Point3d controlPY() const { return controlPY_; }
    Point3d controlNY() const { return controlNY_; }
    Point3d controlPZ() const { return controlPZ_; }
    Point3d controlNZ() const { return controlNZ_; }
    void setControls(const Point3d& px, const Point3d& nx, const Point3d& py, const Point3d& ny,
                     const Point3d& pz, const Point3d& nz);

    bool isLayout() const { return isLayout_; }
    void setIsLayout(bool isLayout) { isLayout_ = isLayout; }
    bool isProcessed() const { return isProcessed_; }
    void setIsProcessed(bool isProcessed) { isProcessed_ = isProcessed; }

private:
    std::vector<Sheet> sheets_;
    std::string name_;
    std::string UUID_ = kNullUUID;
    std::string vsqPath_;
    Point3d controlPX_;
    Point3d controlNX_;
    Point3d controlPY_;
    Point3d controlNY_;
    Point3d controlPZ_;
    Point3d controlNZ_;
    bool isLayout_ = false;
    bool isProcessed_ = false;
};

}  // namespace krx
