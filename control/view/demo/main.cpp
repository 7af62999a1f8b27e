// quillboard-demo [--classic] [--rotated] [--drag] [--size PIXELS] [--grab FILE.png]
// With --grab the window is drawn once into FILE.png and the demo ends.

#include <QApplication>
#include <QTimer>

#include "demo_window.h"
#include <quillboard/varnel.h>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    DemoWindow window;
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--classic")))
        window.board()->setBoardStyle(quill::Classic);
    if (args.contains(QStringLiteral("--rotated")))
        window.board()->RotateBoard();
    if (args.contains(QStringLiteral("--drag")))
        window.setDragEnabled(true);
    const qsizetype sizeAt = args.indexOf(QStringLiteral("--size"));
    const int boardPixels = sizeAt > 0 && sizeAt + 1 < args.size() ? args[sizeAt + 1].toInt() : 392;
    window.resize(boardPixels * 5 / 3 + 40, boardPixels + 70);
    window.show();

    const qsizetype grabAt = args.indexOf(QStringLiteral("--grab"));
    if (grabAt > 0 && grabAt + 1 < args.size()) {
        const QString file = args[grabAt + 1];
        QTimer::singleShot(200, &window, [&window, file] { QApplication::exit(window.grab().save(file) ? 0 : 1); });
    }
    return app.exec();
}
