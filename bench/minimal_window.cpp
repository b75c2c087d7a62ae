// The yardstick: the least a Qt Widgets program does to show a window. It shows one plain window
// of the splash's size; built with the first-frame probe, it reports its first paint and ends.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(455, 277);
    window.show();
    return QApplication::exec();
}
