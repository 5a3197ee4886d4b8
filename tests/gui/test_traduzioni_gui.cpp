// Qt's own dialogs in the system's language.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "programma/Programma.h"
#include "tests/comune/ProcessoNuovo.h"
#include "tests/gui/AiutiGui.h"

using namespace vk;

namespace {

// The question Qt's Save dialog asks before it replaces a file, as the
// program shows it.
QString DomandaDiSovrascrittura() {
    return QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?");
}

bool TraduzioniItaliane() {
    return QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_it.qm"));
}

}  // namespace

namespace vk::test {

int AvvioPerLeTraduzioni(int& argc, char** argv) {
    MisuraAvvio m;
    m.fatto = [](long long, int) {
        const QString domanda = DomandaDiSovrascrittura();
        if (domanda.contains(QStringLiteral("esiste"))) std::_Exit(0);
        std::fprintf(stderr, "Qt's texts not in Italian: %s\n", qPrintable(domanda));
        std::fflush(stderr);
        std::_Exit(1);
    };
    return EseguiProgramma(argc, argv, m);
}

}  // namespace vk::test

TEST(TraduzioniQt, IlDialogoDeiFileInItaliano) {
    if (!TraduzioniItaliane()) GTEST_SKIP() << "no Qt translations (Debian's qt6-translations-l10n)";
    QTranslator* t = InstallaTraduzioniQt(QLocale(QLocale::Italian, QLocale::Italy));
    ASSERT_NE(t, nullptr);
    {
        // The Save dialog as the program opens it, and the question it asks
        // before it replaces a file.
        QFileDialog d(nullptr, QStringLiteral("Salva"));
        d.setOption(QFileDialog::DontUseNativeDialog);
        d.setAcceptMode(QFileDialog::AcceptSave);
        auto* pulsanti = d.findChild<QDialogButtonBox*>();
        ASSERT_NE(pulsanti, nullptr);
        EXPECT_EQ(pulsanti->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annulla"));
        EXPECT_EQ(pulsanti->button(QDialogButtonBox::Save)->text().remove(u'&'), QStringLiteral("Salva"));
        const QString domanda = DomandaDiSovrascrittura();
        EXPECT_TRUE(domanda.contains(QStringLiteral("esiste"))) << domanda.toStdString();
    }
    QCoreApplication::removeTranslator(t);
    delete t;
    // A language Qt has no translation for: nothing installed, English stays.
    EXPECT_EQ(InstallaTraduzioniQt(QLocale::c()), nullptr);
    EXPECT_EQ(QFileDialog::tr("&Save"), QStringLiteral("&Save"));
}

TEST(TraduzioniQt, LAvvioDelProgrammaLeInstallaNellaLinguaDelSistema) {
    // The program's own start, in a child whose system speaks Italian, to
    // the main window's first paint.
    if (!TraduzioniItaliane()) GTEST_SKIP() << "no Qt translations (Debian's qt6-translations-l10n)";
    EXPECT_EQ(prova::EseguiDiNuovo({}, {std::string(test::VarAvvioDelProgramma) + "=" + test::AvvioTraduzioni,
                                        "LC_ALL=it_IT.UTF-8", "LANG=it_IT.UTF-8", "LANGUAGE=it_IT"}),
              0);
}
