// The yardstick of start-up: the smallest Qt Widgets program that shows a window, of the login window's
// size, with a caption.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral(" Finestra minima"));
    w.setFixedSize(388, 405);
    w.show();
    return app.exec();
}
