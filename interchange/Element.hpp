#pragma once

#include "interchange/HPoint.hpp"
#include "interchange/Merger.hpp"
#include "interchange/Section.hpp"
#include "interchange/Ticket.hpp"
#include "interchange/Vectorizer.hpp"
#include "interchange/Viewport.hpp"

#include <variant>

namespace krx {

// The listener dispatches on the index, so the order of the alternatives is fixed.
using Element = std::variant<HPoint, Merger, Ticket, Section, Vectorizer, Viewport>;

}  // namespace krx
