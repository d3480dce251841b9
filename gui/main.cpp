#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QString::fromUtf8("アクティブフィルタの設計支援ツール Vorna ver.3.30 <-"));
    label.show();
    return app.exec();
}
