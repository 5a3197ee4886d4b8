#include <QApplication>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setStyle(QStringLiteral("Fusion"));
    vk::StatoPrincipale stato;
    vk::FinestraPrincipale finestra(stato);
    finestra.showFullScreen();
    return app.exec();
}
