#include <QApplication>

#include "CDesignApp.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    vorna::CDesignApp app;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    app.InitInstance(arguments);
    return QApplication::exec();
}
