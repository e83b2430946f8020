#pragma once

#include "interchange/Element.hpp"
#include "interchange/Sheet.hpp"

#include <string>
#include <vector>

namespace krx::inspect {

// One element as one line of JSON, without the line end: exactly the record the add-on would queue, every
// field, keys in a fixed order, numbers that read back to the same double.
std::string elementToJson(const Element& element);

// The closing line for a section description file: where it was, whether the reader could use it, and the
// sheets it produced.
std::string vsqReportToJson(const std::string& path, bool ok, const std::vector<Sheet>& sheets);

}  // namespace krx::inspect
