// Saves a rectangle of the X display as a PNG, for the README's pictures of
// the screens: grab-screen <file.png> <x> <y> <width> <height>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: grab-screen <file.png> <x> <y> <width> <height>\n");
        return 2;
    }
    // Reads the real display, whatever platform the caller's environment names.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QGuiApplication app(argc, argv);
    const int x = std::atoi(argv[2]);
    const int y = std::atoi(argv[3]);
    const int width = std::atoi(argv[4]);
    const int height = std::atoi(argv[5]);
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(0, x, y, width, height);
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "grab-screen: could not save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
