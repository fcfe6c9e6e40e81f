// The yardstick of the start-up benchmark: a bare Qt Widgets window of the
// table's size, built like the game.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setGeometry(105, 67, 592, 453);
    window.show();
    return app.exec();
}
