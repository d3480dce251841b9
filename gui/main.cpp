#include <QApplication>

#include "DesignApplication.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    vorna::DesignApplication app;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    app.InitInstance(arguments);
    return QApplication::exec();
}
