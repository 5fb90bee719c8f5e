// Times how long a program takes until its window is drawn, from outside: starts
// it and watches one pixel of the screen until the window's first frame covers it.
//
//   startup_probe X Y PROGRAM [ARGUMENT...]
//
// Prints the milliseconds from starting the process to the first frame. The pixel
// must lie in the window (windows open at the top left corner on a bare X server)
// and differ from the empty screen there.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTextStream>
#include <QThread>

namespace {

QRgb pixelAt(QScreen *screen, int x, int y)
{
    return screen->grabWindow(0, x, y, 1, 1).toImage().pixel(0, 0);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 4) {
        QTextStream(stderr) << "usage: startup_probe X Y PROGRAM [ARGUMENT...]\n";
        return 2;
    }
    const int x = arguments.at(1).toInt();
    const int y = arguments.at(2).toInt();
    QScreen *screen = app.primaryScreen();
    const QRgb empty = pixelAt(screen, x, y);

    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer clock;
    clock.start();
    program.start(arguments.at(3), arguments.mid(4));
    if (!program.waitForStarted(10000))
        return 1;
    qint64 drawn = -1;
    while (clock.elapsed() < 20000) {
        if (pixelAt(screen, x, y) != empty) {
            drawn = clock.elapsed();
            break;
        }
        QThread::msleep(2); // often enough, and leaves the X server to the program
    }
    program.kill();
    program.waitForFinished(5000);
    // The screen is empty again before the next start.
    for (int i = 0; i < 1000 && pixelAt(screen, x, y) != empty; ++i)
        QThread::msleep(2);
    QTextStream(stdout) << drawn << '\n';
    return drawn < 0 ? 1 : 0;
}
