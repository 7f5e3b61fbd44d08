// The floor of the viewer's PDF export: a program linked with the same Qt
// libraries that starts the GUI application object and ends.
#include <QGuiApplication>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    return 0;
}
