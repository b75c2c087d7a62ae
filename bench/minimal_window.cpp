// The yardstick: the least a Qt Widgets program does to show a window with text. It shows one
// plain window of the splash's size holding one line of text (any program that shows text loads
// the font configuration); built with the first-frame probe, it reports its first paint and ends.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("One line of text"));
    window.resize(455, 277);
    window.show();
    return QApplication::exec();
}
