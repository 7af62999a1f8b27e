// Places one board in a window, plays 1. e4 and prints what the board holds.
//   quillboard-consumer [--quit]    (--quit: report and end without showing a window)
#include <QApplication>
#include <QTextStream>
#include <quillboard/varnel.h>
#include <quillboard/version.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    quill::Varnel board;
    board.NewGame();
    board.MovePiece(5, 7, 5, 5);

    QTextStream out(stdout);
    out << "Quillboard " << QUILLBOARD_VERSION << ": e4 holds " << board.piece(5, 5) << ", e2 holds "
        << board.piece(5, 7) << Qt::endl;
    if (app.arguments().contains(QStringLiteral("--quit")))
        return board.piece(5, 5) == quill::Wpawn && board.piece(5, 7) == quill::None ? 0 : 1;
    board.resize(400, 400);
    board.show();
    return app.exec();
}
