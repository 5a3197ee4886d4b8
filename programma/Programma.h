#pragma once
// The whole program as main() runs it, so a measuring tool can run the very
// same start.

#include <functional>

class QLocale;
class QTranslator;
class QWidget;

namespace vk {

// Calls `f` once, when the first paint of `w` (its showing on screen) is done.
void DopoIlPrimoDisegno(QWidget* w, std::function<void()> f);

struct MisuraAvvio {
    // Called once the main window is on screen and painted, with the
    // milliseconds since the start and the splash delay; the program then
    // ends at once.
    void (*fatto)(long long ms, int ritardoSplash) = nullptr;
};

// The names and icon by which a desktop knows the program's windows and ties
// them to the installed launcher (its file name and the class "VelmoraKOV").
void ImpostaIdentita();

// Qt's own texts (the file dialogs, their overwrite question) in the
// language `lingua`, from Qt's installed translations; the translator, owned
// by the application, or null when there are none for it (they stay in
// English).
QTranslator* InstallaTraduzioniQt(const QLocale& lingua);

// Makes a write past the file-size limit a failure, not the end of the
// program (LimiteFileComeDiscoPieno), then creates the application, the
// splash and the main window; returns the exit code of the event loop.
int EseguiProgramma(int& argc, char** argv, const MisuraAvvio& misura = {});

}  // namespace vk
