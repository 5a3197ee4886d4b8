#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.setObjectName("vivUDO15");
    w.show();
    return app.exec();
}
