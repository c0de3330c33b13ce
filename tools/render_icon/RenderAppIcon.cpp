// Build tool: writes the program's icon as PNG files for the desktop's icon
// theme folders. Usage: veltrano_render_icon <svg> <size> <out.png> [<size> <out.png>...]
#include "app/ui/AppIcon.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: %s <svg> <size> <out.png> [...]\n", argv[0]);
        return 2;
    }
    const QString svg = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i + 1 < argc; i += 2) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0 || !veltrano::RenderSvgIcon(svg, size).save(QString::fromLocal8Bit(argv[i + 1])))
            return 1;
    }
    return 0;
}
