#pragma once
// The program's icon: its picture on a square with rounded corners, drawn
// at whatever size is asked for, so the windows and the installed icon
// files show the same picture as the main screen.
#include <QIcon>
#include <QImage>

namespace vk {

// The icon for the windows; each size is drawn the first time it is asked for.
QIcon IconaProgramma();

// The icon drawn at lato x lato pixels, transparent outside its rounded square.
QImage ImmagineIcona(int lato);

}  // namespace vk
