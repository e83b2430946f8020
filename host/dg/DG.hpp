#pragma once

// The host's dialog toolkit, as the add-on uses it.

#include "host/dg/DGAlert.hpp"
#include "host/dg/DGEvents.hpp"
#include "host/dg/DGImage.hpp"
#include "host/dg/DGItem.hpp"
#include "host/dg/DGListBox.hpp"
#include "host/dg/DGMenu.hpp"
#include "host/dg/DGObservers.hpp"
#include "host/dg/DGPanel.hpp"
#include "host/dg/UCTextPopup.hpp"
#include "host/dg/VBALAttributeList.hpp"
