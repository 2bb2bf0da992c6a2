#include "editor/EditorIcons.h"

// The resources live in a static library: nothing else would pull them into
// the program. (Q_INIT_RESOURCE declares its function where it stands, so
// this stays outside any namespace.)
static void registerEditorIcons() {
    Q_INIT_RESOURCE(editor_icons);
}

QIcon editorIcon(const char* name) {
    static const bool registered = (registerEditorIcons(), true);
    (void)registered;
    return QIcon(QStringLiteral(":/editor/%1.svg").arg(QLatin1String(name)));
}
