// The yardsticks of the start-up benchmark: a bare Qt Widgets window of the
// table's size, built like the game; with --text it also shows one line of
// text, which costs any program the loading of the system's font setup.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool text = app.arguments().contains(QStringLiteral("--text"));
    QWidget window;
    window.setWindowTitle(text ? QStringLiteral("Bare text") : QStringLiteral("Bare"));
    window.setGeometry(105, 67, 592, 453);
    if (text)
        (new QLabel(QStringLiteral("HIGH SCORE:"), &window))->move(360, 8);
    window.show();
    return app.exec();
}
