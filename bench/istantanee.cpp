// istantanee DIR: one fixed sequence of actions over every screen, on the
// offscreen platform at 1024 x 768; after each step the window is saved as
// DIR/NN-name.png, and the temperament is saved as DIR/NN-name.txt where the
// sequence says so. Two builds are compared by running both and comparing the
// two folders byte for byte (scripts/confronta_istantanee.sh).
#include <stdlib.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/Avvio.h"
#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/SezioneFile.h"
#include "app/widgets/Splash.h"
#include "common/Geometria.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"
#include "programma/Schermate.h"

using namespace vk;

namespace {

class DialogoScripted : public DialogoFile {
public:
    std::optional<QString> prossimo;
    std::optional<QString> apri(QWidget*, const QString&, const QString&, const QString&) override {
        return std::exchange(prossimo, std::nullopt);
    }
    std::optional<QString> salva(QWidget*, const QString&, const QString&, const QString&) override {
        return std::exchange(prossimo, std::nullopt);
    }
};

class AvvisiMuti : public Avvisi {
public:
    void avviso(QWidget*, const QString& titolo, const QString& testo) override {
        std::fprintf(stderr, "avviso: %s: %s\n", qPrintable(titolo), qPrintable(testo));
    }
    bool domanda(QWidget*, const QString& titolo, const QString& testo) override {
        std::fprintf(stderr, "domanda: %s: %s\n", qPrintable(titolo), qPrintable(testo));
        return true;
    }
};

class Sequenza {
public:
    Sequenza(QWidget* w, QString dir, DialogoScripted* d) : w_(w), dir_(std::move(dir)), d_(d) {}

    void foto(const char* nome) {
        QApplication::processEvents();
        const QString f = QStringLiteral("%1/%2-%3.png").arg(dir_).arg(n_++, 2, 10, QLatin1Char('0')).arg(nome);
        if (!w_->grab().save(f)) std::fprintf(stderr, "non salvata: %s\n", qPrintable(f));
    }
    QWidget* trova(const QString& nome) {
        auto* c = w_->findChild<QWidget*>(nome);
        if (!c) std::fprintf(stderr, "manca: %s\n", qPrintable(nome));
        return c;
    }
    void clic(const QString& nome) {
        if (auto* c = trova(nome)) QTest::mouseClick(c, Qt::LeftButton);
    }
    void tasto(const QString& nome) {
        if (auto* c = trova(nome)) QTest::keyClick(c, Qt::Key_Space);
    }
    void digita(const QString& nome, const QString& testo) {
        auto* e = qobject_cast<QLineEdit*>(trova(nome));
        if (!e) return;
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, testo);
    }
    QString salva(const char* nome) {
        const QString f = QStringLiteral("%1/%2-%3.txt").arg(dir_).arg(n_++, 2, 10, QLatin1Char('0')).arg(nome);
        d_->prossimo = f;
        clic(QStringLiteral("Command1"));
        return f;
    }
    // A file the program wrote, kept beside the pictures.
    void copia(const std::filesystem::path& da, const char* nome) {
        const QString f = QStringLiteral("%1/%2-%3.txt").arg(dir_).arg(n_++, 2, 10, QLatin1Char('0')).arg(nome);
        std::error_code e;
        std::filesystem::copy_file(da, f.toStdString(), std::filesystem::copy_options::overwrite_existing, e);
        if (e) std::fprintf(stderr, "non copiato: %s\n", da.c_str());
    }
    void apriFile(const QString& percorso) {
        d_->prossimo = percorso;
        clic(QStringLiteral("Command6"));
    }

private:
    QWidget* w_;
    QString dir_;
    DialogoScripted* d_;
    int n_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The program's font before any control, as the program starts.
    vk::ImpostaCarattereProgramma();
    if (argc < 2) {
        std::fprintf(stderr, "uso: istantanee CARTELLA [LARGHEZZAxALTEZZA in twips]\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    // Another screen size re-lays the window out at the load, and every
    // screen built later with it.
    DimensioniSchermo schermo{LarghezzaProgetto, AltezzaProgetto};
    if (argc >= 3 && std::sscanf(argv[2], "%fx%f", &schermo.larghezza, &schermo.altezza) != 2) {
        std::fprintf(stderr, "dimensioni dello schermo non valide: %s\n", argv[2]);
        return 2;
    }
    ImpostaFornitoreSchermo([schermo] { return schermo; });

    {
        FontiSplash fonti;
        fonti.seme = [] { return 1u; };
        fonti.casuale = [] { return 0.5f; };
        fonti.orologio = [] { return OraDelGiorno{14, 30}; };
        Splash s(fonti);
        s.resize(1024, 768);
        s.show();
        QApplication::processEvents();
        s.grab().save(dir + QStringLiteral("/splash.png"));
    }

    // The data folder: a copy of the repository's, so the tool reads the
    // designed settings and never writes into the tree; a fresh one, so that
    // runs by two users do not meet.
    std::string modello = (std::filesystem::temp_directory_path() / "vk_istantanee_XXXXXX").string();
    if (!mkdtemp(modello.data())) {
        std::perror(modello.c_str());
        return 1;
    }
    const std::filesystem::path dati = modello;
    std::filesystem::copy(VK_SORGENTI "/data/VelmoraKOV", dati, std::filesystem::copy_options::recursive);

    StatoPrincipale stato;
    auto f = CaricaFinestraPrincipale(stato, [&](PassiCaricamento& p) {
        p.sondaCartelle = [&] {
            const std::string t = (dati / "Temperamenti").string() + "/";
            stato.percorsi.CartellaDati = (dati / "Dati").string() + "/";
            stato.percorsi.FileApertura = t + "Equabile.txt";
            stato.percorsi.FileNuovo = t + "0-Nuovo.txt";
        };
    }, InstallaSchermate);
    auto dialogo = std::make_unique<DialogoScripted>();
    auto* d = dialogo.get();
    if (auto* sezione = f->findChild<SezioneFile*>(QStringLiteral("SezioneFile"))) {
        sezione->impostaDialogo(std::move(dialogo));
        sezione->impostaAvvisi(std::make_unique<AvvisiMuti>());
    }
    f->resize(f->pagina()->size());  // 1024 x 768 at the designed size
    f->show();
    if (!QTest::qWaitForWindowExposed(f.get())) return 1;
    Sequenza s(f.get(), dir, d);

    s.foto("principale");
    // Main screen edits.
    s.clic(QString::fromUtf8("cmdPiù_3"));
    s.clic(QString::fromUtf8("cmdPiù_3"));
    s.clic(QStringLiteral("cmdMeno_7"));
    s.clic(QStringLiteral("cmdZero_9"));
    s.foto("quinte");
    const QString primo = s.salva("quinte");
    s.clic(QStringLiteral("cmdShift_1"));
    s.clic(QStringLiteral("cmdComma"));
    s.foto("conferma");
    s.clic(QStringLiteral("cmdCambioComma_0"));
    s.foto("sintonico");
    s.clic(QStringLiteral("cmdPitagorico"));
    s.clic(QStringLiteral("cmdTerze_4"));
    s.foto("terze");
    s.salva("terze");
    s.clic(QStringLiteral("Command9"));
    s.clic(QStringLiteral("cmdTastiera"));
    s.clic(QStringLiteral("cmdLingua"));
    s.foto("viste");
    s.clic(QStringLiteral("cmdEquabile"));

    // Zadu-Rori.
    s.clic(QStringLiteral("cmdApriEasy"));
    s.foto("zadurori");
    const char* scarti[12] = {"-5,5", "-5,5", "-5,5", "-5,5", "0", "0", "-3", "0", "0", "-1", "0", "0"};
    for (int k = 1; k <= 12; ++k) s.digita(QStringLiteral("TxtCentsEasy_%1").arg(k), QString::fromUtf8(scarti[k - 1]));
    s.clic(QStringLiteral("cmdSommaEasy"));
    s.foto("zadurori_somma");
    s.clic(QStringLiteral("cmdEsciEasyMode"));
    s.foto("dopo_zadurori");
    s.salva("zadurori");

    // Vuvaz-Eza.
    s.clic(QStringLiteral("cmdLab"));
    s.foto("microlab");
    s.clic(QStringLiteral("cmdQuintaM_2"));
    s.clic(QStringLiteral("cmdScatto_6"));
    s.clic(QStringLiteral("cmdAumenta"));
    s.clic(QStringLiteral("cmdAumenta"));
    s.clic(QStringLiteral("cmdQuintaM_20"));
    s.clic(QStringLiteral("cmdQuintaM_20"));
    s.clic(QStringLiteral("cmdDiminuisci"));
    s.foto("microlab_passi");
    s.clic(QStringLiteral("CmdApplicaMicro"));
    s.foto("dopo_microlab");
    s.salva("microlab");
    s.clic(QStringLiteral("cmdLab"));
    s.clic(QStringLiteral("cmdAnnullaMicro"));

    // Key table.
    s.clic(QStringLiteral("cmdTavolaScale"));
    s.foto("tavola");
    s.clic(QStringLiteral("cmdNotaScala_3"));
    s.foto("tavola_istogramma");
    s.clic(QStringLiteral("cmdEnfasi"));
    s.clic(QStringLiteral("cmdInvertiColori"));
    s.foto("tavola_enfasi");
    s.clic(QStringLiteral("cmdEsciSCale"));

    // Frequency table.
    s.clic(QStringLiteral("cmdMostraFrequenze"));
    s.foto("frequenze");
    s.clic(QStringLiteral("cmdDefault"));
    s.foto("frequenze_def");
    s.clic(QStringLiteral("cmdTorna"));

    // Utility.
    s.clic(QStringLiteral("cmdUtility"));
    s.foto("utility_1");
    s.clic(QStringLiteral("cmdPagina"));
    s.foto("utility_2");
    s.clic(QStringLiteral("cmdPagina"));
    s.foto("utility_3");
    s.clic(QStringLiteral("cmdTono_1"));
    s.clic(QStringLiteral("cmdAlterazioni"));
    s.foto("utility_tono");
    for (const char* c : {"cmdNumero_3", "cmdNumero_13", "cmdNumero_2"}) s.clic(QString::fromUtf8(c));
    s.foto("utility_convertitore");
    s.clic(QStringLiteral("cmdEsciUtility"));

    // Open a saved file again, then the closing screen.
    s.apriFile(primo);
    s.foto("riaperto");
    // The info step round its four rows; the closing writes it to the settings.
    for (const char* nome : {"info_3", "info_0", "info_1", "info_2"}) {
        s.clic(QStringLiteral("cmdInfoSemitoni"));
        s.foto(nome);
    }
    s.clic(QStringLiteral("cmdEXit"));
    s.foto("finale");
    s.copia(dati / "Dati" / "Impostazioni.txt", "impostazioni");
    std::filesystem::remove_all(dati);
    return 0;
}
