#pragma once
// The way out: "Esc" (cmdEXit) on the main page opens the closing screen
// FraSchermataFinale, whose only working control is "Ok"
// (cmdEsciDalSoftware). The screen has no way back.
#include <QString>
#include <functional>

namespace vk {

class FinestraPrincipale;
class Schermata;

// The long text of TxtCurriculum: what this program is and does.
QString TestoCurriculum();

// Builds "Esc" and the closing screen into the main window; `ok` runs when
// "Ok" is clicked. Returns the screen.
Schermata* InstallaSchermataFinale(FinestraPrincipale& f, std::function<void()> ok);

// "Ok" as the program does it: writes the settings file in the data folder
// (a file that cannot be written is left as it was) and closes the window.
void EsciDalSoftware(FinestraPrincipale& f);

}  // namespace vk
