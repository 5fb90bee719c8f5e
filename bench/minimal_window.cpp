// The yardstick for the editor's start: Qt's own smallest Widgets program, a
// window of the editor's size with one word in it, shown as soon as the
// application object exists. The word matters: the first text a program shows
// makes it load the system's fonts, which the editor cannot avoid either.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Hello"));
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.setFixedSize(634, 477);
    window.show();
    return app.exec();
}
