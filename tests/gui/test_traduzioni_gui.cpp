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

#include "programma/Programma.h"

using namespace vk;

TEST(TraduzioniQt, IlDialogoDeiFileInItaliano) {
    const QString cartella = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(cartella + QStringLiteral("/qtbase_it.qm")))
        GTEST_SKIP() << "no Qt translations in " << cartella.toStdString() << " (Debian's qt6-translations-l10n)";
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
        const QString domanda = QFileDialog::tr("%1 already exists.\nDo you want to replace it?");
        EXPECT_TRUE(domanda.contains(QStringLiteral("esiste"))) << domanda.toStdString();
    }
    QCoreApplication::removeTranslator(t);
    delete t;
    // A language Qt has no translation for: nothing installed, English stays.
    EXPECT_EQ(InstallaTraduzioniQt(QLocale::c()), nullptr);
    EXPECT_EQ(QFileDialog::tr("&Save"), QStringLiteral("&Save"));
}
