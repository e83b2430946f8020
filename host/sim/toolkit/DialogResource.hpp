#pragma once

// Reads the 'GDLG' block of a window, and its 'DLGH' block of tooltips when there is one, from a
// parsed resource script.
//
//   'GDLG' 32400 Palette | leftCaption | close | grow  0 0 600 300 "Title" {
//   /* [1] */ Button 10 10 80 20 LargePlain "Import"
//   /* [2] */ MultiSelList 10 40 580 250 SmallPlain HasHeader 20
//   /* [3] */ UserControl 10 300 20 20 TextPopup
//   }
//   'DLGH' 32400 DLG_32400_Help { 1 "tooltip text" AnchorName }
//
// The header starts with the window kind (Palette, Modal, Modeless) and its frame flags joined by
// '|', then the frame (left top width height) and the title. Each item line is a kind word, the
// item's rectangle, then in any order: its text (a string), words, and words followed by a number.

#include <string>

#include "host/sim/ResourceScript.hpp"
#include "host/sim/toolkit/PanelDescription.hpp"

namespace krx::sim::toolkit {

bool readPanelDescription(const ResourceScript& script, int resourceId, PanelDescription* description,
                          std::string* error);

}  // namespace krx::sim::toolkit
