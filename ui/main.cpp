// Starts the game.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("ポロンパズル"));
    window.resize(320, 320);
    window.show();
    return app.exec();
}
