#pragma once
// The way out: "Esc" (cmdEXit) on the main page opens the closing screen
// FraSchermataFinale, whose only working control is "Ok"
// (cmdEsciDalSoftware). The screen has no way back.
#include <QString>
#include <functional>

#include "common/widgets/Schermata.h"

class QPlainTextEdit;
class QWidget;

namespace vk {

class FinestraPrincipale;

// The long text of TxtCurriculum: what this program is and does.
QString TestoCurriculum();

// The closing screen, built at its first opening; `ok` runs when "Ok" is
// clicked.
class SchermataFinale : public Schermata {
    Q_OBJECT
public:
    SchermataFinale(FinestraPrincipale& f, const std::function<void()>& ok);
    // Fills TxtCurriculum and shows the screen.
    void apertura();

private:
    QPlainTextEdit* curriculum_ = nullptr;
};

// Puts "Esc" on the main page; its click builds the closing screen the first
// time, then opens it.
void InstallaSchermataFinale(FinestraPrincipale& f, std::function<void()> ok);

// "Ok" as the program does it: writes the settings file in the data folder
// and closes the window. A file that cannot be written is left as it was and
// a message names it with the reason before the window closes.
void EsciDalSoftware(FinestraPrincipale& f);

// The program's warnings (a failed settings write, a first copy of the data
// folder that failed): a modal warning box unless a test sets its own; an
// empty function gives the box back.
inline constexpr const char* TitoloUscita = "Esci dal Programma";
using AvvisoUscita = std::function<void(QWidget* genitore, const QString& titolo, const QString& testo)>;
void ImpostaAvvisoUscita(AvvisoUscita avviso);
void MostraAvviso(QWidget* genitore, const QString& titolo, const QString& testo);

}  // namespace vk
