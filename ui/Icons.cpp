#include "ui/Icons.h"

#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QSvgRenderer>

// The resource sits in a static library: without this call the linker may
// leave it out of the program. (At global scope, as the macro declares a
// global function.)
static bool registerIcons() {
    Q_INIT_RESOURCE(icons);
    return true;
}

namespace shell {

QIcon icon(const char* name) {
    static const bool registered = registerIcons();
    (void)registered;
    // Drawn here rather than by an icon plugin, which an installation may lack.
    QSvgRenderer svg(QStringLiteral(":/icons/") + QString::fromLatin1(name) +
                     QStringLiteral(".svg"));
    QIcon drawn;
    if (!svg.isValid())
        return drawn;
    for (const int size : {24, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        svg.render(&painter);
        painter.end();
        drawn.addPixmap(pixmap);
    }
    return drawn;
}

} // namespace shell
