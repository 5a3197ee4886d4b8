#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/PulsanteVB.h"

using namespace vk;

TEST(FinestraPrincipale, CelleDelTemperamentoInizialeAlLoroPosto) {
    StatoPrincipale stato;
    FinestraPrincipale f(stato);
    f.show();
    struct Caso { const char* nome; QRect px; };
    // Designed twips / 15, each edge rounded on its own.
    const Caso casi[] = {
        {"TxtNomeTemperamento", QRect(160, 24, 209, 49)},
        {"TxtDescrizione", QRect(160, 104, 209, 77)},
        {"cmdComma", QRect(264, 184, 61, 36)},
        {"txtFraz_7", QRect(44, 648, 65, 19)},
        {"txtFraz_1", QRect(476, 648, 65, 19)},
        {"txtFraz_6", QRect(836, 648, 65, 19)},
    };
    for (const auto& c : casi) {
        auto* w = f.findChild<QWidget*>(c.nome);
        ASSERT_NE(w, nullptr) << c.nome;
        EXPECT_EQ(w->geometry(), c.px) << c.nome;
    }
    EXPECT_EQ(f.findChild<QPlainTextEdit*>("TxtNomeTemperamento")->toPlainText(), "TEMPERAMENTO EQUABILE\n");
    EXPECT_TRUE(f.findChild<QPlainTextEdit*>("TxtDescrizione")->toPlainText().startsWith("Questo temperamento"));
    auto* comma = f.findChild<PulsanteVB*>("cmdComma");
    EXPECT_EQ(comma->text(), "Comma Pitagorico");
    EXPECT_EQ(comma->coloreSfondo(), 0xC0C0FFu);
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(f.findChild<QLineEdit*>(QString("txtFraz_%1").arg(k))->text(), "-1/12");
    QDir().mkpath(VK_BUILD "/screens");
    f.grab().save(VK_BUILD "/screens/finestra_principale.png");
}

TEST(FinestraPrincipale, IlTestoScrittoVaNelTemperamentoConCRLF) {
    StatoPrincipale stato;
    FinestraPrincipale f(stato);
    auto* nome = f.findChild<QPlainTextEdit*>("TxtNomeTemperamento");
    nome->setFocus();
    nome->selectAll();
    QTest::keyClicks(nome, "Mio");
    QTest::keyClick(nome, Qt::Key_Return);
    QTest::keyClicks(nome, "tono");
    EXPECT_EQ(stato.temperamento.Nome, "Mio\r\ntono");
    auto* fraz = f.findChild<QLineEdit*>("txtFraz_3");
    fraz->selectAll();
    QTest::keyClicks(fraz, "mia");
    EXPECT_EQ(stato.temperamento.Frazioni[3], "mia");
    // A refresh rewrites what the model holds.
    stato.temperamento.Frazioni[3] = "-1/4";
    f.aggiorna();
    EXPECT_EQ(fraz->text(), "-1/4");
}

// A text opened from a file keeps every character when the user types in
// its box, and a refresh does not rewrite a box that already shows it.
TEST(FinestraPrincipale, IlTestoApertoRestaComEraMentreSiScrive) {
    struct Caso { const char* nome; std::string modello; };
    const Caso casi[] = {
        {"spazio indivisibile", "Werckmeister\xC2\xA0III\r\n"},
        {"righe vuote", "\r\n\r\nprima\r\n\r\n"},
        {"tabulazione e accenti", "Tonalit\xC3\xA0\tpi\xC3\xB9 \xE2\x82\xAC"},
    };
    for (const auto& c : casi) {
        StatoPrincipale stato;
        FinestraPrincipale f(stato);
        for (std::string* campo : {&stato.temperamento.Nome, &stato.temperamento.Descrizione}) *campo = c.modello;
        f.aggiorna();
        for (auto* box : {f.nomeTemperamento(), f.descrizione()}) {
            QTextCursor cursore = box->textCursor();
            cursore.setPosition(1);
            box->setTextCursor(cursore);
            f.aggiorna();
            EXPECT_EQ(box->textCursor().position(), 1) << c.nome;
            cursore.movePosition(QTextCursor::End);
            box->setTextCursor(cursore);
            box->setFocus();
            QTest::keyClicks(box, "X");
        }
        EXPECT_EQ(stato.temperamento.Nome, c.modello + "X") << c.nome;
        EXPECT_EQ(stato.temperamento.Descrizione, c.modello + "X") << c.nome;
    }
}
