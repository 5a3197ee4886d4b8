#include "app/widgets/SezioneFile.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <filesystem>

#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/FileSicuro.h"
#include "common/widgets/PulsanteVB.h"
#include "model/FileTemperamento.h"

namespace vk {

namespace {

std::optional<QString> Scelto(const QString& s) {
    if (s.isEmpty()) return std::nullopt;
    return s;
}

std::filesystem::path Percorso(const QString& s) { return std::filesystem::path(s.toStdU16String()); }

PulsanteVB* Pulsante(FinestraPrincipale& f, const char* nome, float l, const char* caption) {
    auto* b = f.crea<PulsanteVB>(f.pagina(), nome, -1, TipoControllo::Pulsante, l, 2160, 855, 540, 8.25f);
    b->setGrafico(true);
    b->setColoreSfondo(0xD1DDE7);
    b->setText(QString::fromUtf8(caption));
    return b;
}

}  // namespace

std::optional<QString> DialogoFileQt::apri(QWidget* genitore, const QString& titolo, const QString& filtro,
                                           const QString& proposto) {
    return Scelto(QFileDialog::getOpenFileName(genitore, titolo, proposto, filtro));
}

std::optional<QString> DialogoFileQt::salva(QWidget* genitore, const QString& titolo, const QString& filtro,
                                            const QString& proposto) {
    return Scelto(QFileDialog::getSaveFileName(genitore, titolo, proposto, filtro));
}

void AvvisiQt::avviso(QWidget* genitore, const QString& titolo, const QString& testo) {
    QMessageBox::warning(genitore, titolo, testo);
}

bool AvvisiQt::domanda(QWidget* genitore, const QString& titolo, const QString& testo) {
    QMessageBox m(QMessageBox::Question, titolo, testo, QMessageBox::NoButton, genitore);
    m.setTextFormat(Qt::PlainText);  // a file name may hold what looks like a tag
    QPushButton* si = m.addButton(QStringLiteral("S\u00ec"), QMessageBox::YesRole);
    QPushButton* no = m.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    // Nothing is written unless the user says so.
    m.setDefaultButton(no);
    m.setEscapeButton(no);
    m.exec();
    return m.clickedButton() == si;
}

SezioneFile::SezioneFile(FinestraPrincipale& f)
    : QObject(&f), f_(f), dialogo_(std::make_unique<DialogoFileQt>()), avvisi_(std::make_unique<AvvisiQt>()) {
    setObjectName(QStringLiteral("SezioneFile"));
    connect(Pulsante(f, "Command6", 360, "Open"), &PulsanteVB::clic, this, &SezioneFile::ApriTemperamento);
    connect(Pulsante(f, "Command1", 1320, "Save"), &PulsanteVB::clic, this, &SezioneFile::SalvaTemperamento);
}

void SezioneFile::ApriTemperamento() {
    StatoPrincipale& s = f_.stato();
    const std::string& proposto = s.FileCorrente.empty() ? s.percorsi.FileApertura : s.FileCorrente;
    const auto scelto = dialogo_->apri(&f_, QString::fromUtf8(TitoloApri), QString::fromUtf8(FiltroTemperamenti),
                                       QString::fromStdString(proposto));
    if (!scelto) return;
    s.FileCorrente = scelto->toStdString();

    // Read whole and checked first: a refused file leaves everything as it was.
    const LetturaTemperamento l = LeggiFileTemperamento(Percorso(*scelto));
    if (!l.ok()) {
        avvisi_->avviso(&f_, QString::fromUtf8(TitoloApri),
                        QString::fromStdString(DescriviRifiuto(l.rifiuto, s.FileCorrente)));
        return;
    }
    ApplicaVoci(*l.voci, s.temperamento);
    AggiornaIstogrammi(s.istogrammi, s.temperamento, s.altezzaSchermo());
    f_.aggiorna();
}

void SezioneFile::SalvaTemperamento() {
    StatoPrincipale& s = f_.stato();
    // Without a temperament folder the dialog proposes the bare name.
    const std::string proposto = s.percorsi.FileNuovo.empty() ? "0-Nuovo.txt" : s.percorsi.FileNuovo;
    const auto scelto = dialogo_->salva(&f_, QString::fromUtf8(TitoloSalva), QString::fromUtf8(FiltroTemperamenti),
                                        QString::fromStdString(proposto));
    if (!scelto) return;
    s.FileCorrente = scelto->toStdString();

    const Salvataggio p = PreparaSalvataggio(s.temperamento);
    // What Open would refuse (a name typed past the longest item) is not
    // written; nor is anything into the shipped data.
    const bool rifiutato = p.rifiuto.motivo != MotivoRifiuto::Nessuno;
    const auto distribuita =
        CartellaDistribuita(s.percorsi, std::filesystem::path(QFile::encodeName(*scelto).toStdString()));
    QString errore;
    if (rifiutato) {
        errore = QString::fromStdString(DescriviMotivo(p.rifiuto));
    } else if (distribuita) {
        errore = QString::fromStdString("\xC3\xA8 nei " + DatiDistribuiti(*distribuita) + ": scegli un'altra cartella.");
    } else if (!p.cambiati.empty()) {
        // Characters the file cannot keep are written changed only if the user agrees.
        const QString domanda =
            QStringLiteral("Il file \"%1\" non pu\u00f2 contenere alcuni caratteri del temperamento: "
                           "riaprendolo, si leggerebbero cambiati.\n\n%2\n"
                           "Salvare lo stesso, con questi caratteri cambiati? Con \"No\" il file non viene scritto.")
                .arg(*scelto, QString::fromStdString(DescriviCaratteriCambiati(p.cambiati)));
        if (!avvisi_->domanda(&f_, QString::fromUtf8(TitoloSalva), domanda)) return;
    }
    if (rifiutato || distribuita || !ScriviFileSicuro(*scelto, p.byte, &errore)) {
        avvisi_->avviso(&f_, QString::fromUtf8(TitoloSalva),
                        QStringLiteral("Il temperamento non \u00e8 stato salvato nel file \"%1\":\n%2\n"
                                       "Un file gi\u00e0 presente con quel nome \u00e8 rimasto com'era.")
                            .arg(*scelto, errore));
    }
}

SezioneFile* InstallaSezioneFile(FinestraPrincipale& f) { return new SezioneFile(f); }

}  // namespace vk
