#pragma once

// What a person sees, as text: a window with its title and items, a list as a table of its tab
// fields (header arrows as ^ and v, selected rows marked with *, the host's check icons as [x] and
// [ ], a pop-up shown in the selected row as <its current text>), a property list row by row; and
// the alerts and context menus shown so far with the answer given.

#include <string>
#include <vector>

#include "host/sim/toolkit/PanelModel.hpp"
#include "host/sim/toolkit/Toolkit.hpp"

namespace krx::sim::toolkit {

std::string renderPanel(const PanelModel& panel);
std::string renderList(const ItemModel& list);
std::string renderAlerts(const std::vector<AlertRecord>& alerts);
std::string renderMenus(const std::vector<MenuRecord>& menus);

}  // namespace krx::sim::toolkit
