// Pictures of the editor half-way through a loaded game and of the promotion
// dialog, for a person to look at: editor_screenshots OUT_DIR [PGN_FILE].
// With --show it opens the editor on the screen instead, for a mouse, and
// prints the move lines OK hands back.

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <iostream>

#include "clean_pgn.h"
#include "frm_ge.h"
#include "frm_promote.h"
#include "game_index.h"
#include "move_list.h"
#include "pgn_file.h"
#include "qt_dialogs.h"
#include "scripted_dialogs.h"
#include "settings_store.h"

namespace {

std::vector<std::string> firstGameLines(const std::string& path)
{
    std::vector<std::string> lines;
    const auto text = morvane::readWholeFile(path);
    if (!text)
        return lines;
    const auto spans = morvane::IndexGames(*text);
    if (spans.empty())
        return lines;
    std::string result;
    morvane::ListMoves(morvane::CleanPGN(morvane::GameText(*text, spans.front())).text, lines, result, "");
    return lines;
}

bool save(QWidget& widget, const QString& path)
{
    widget.show();
    QApplication::processEvents();
    const bool saved = widget.grab().save(path);
    std::cout << (saved ? "wrote " : "could not write ") << path.toStdString() << "\n";
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !(argc > 1 && std::string(argv[1]) == "--show"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1 && std::string(argv[1]) == "--show") {
        morvane::QtDialogs dialogs;
        const auto lines = morvane::FrmGE::editGame({}, dialogs);
        for (const std::string& line : lines.value_or(std::vector<std::string>{"(cancelled)"}))
            std::cout << line << "\n";
        return 0;
    }
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const std::string pgn = argc > 2 ? argv[2] : "";
    bool ok = true;

    for (const char* style : {"0", "3"}) {
        morvane::SettingsStore store(QDir(out).filePath(QStringLiteral("editor-shot.db")).toStdString());
        morvane::Config config(store);
        config.save("style", style);
        testutil::ScriptedDialogs dialogs;
        morvane::FrmGE editor(dialogs, morvane::EditorServices{&config, {}, {}});
        editor.loadMoveLines(firstGameLines(pgn));
        editor.finishLoading();
        // Half-way through: back to the first move, then forward.
        editor.findChild<QPushButton*>(QStringLiteral("CmdNavigate(0)"))->click();
        auto* next = editor.findChild<QPushButton*>(QStringLiteral("CmdNavigate(2)"));
        for (int i = 0; i < 36; ++i)
            next->click();
        ok &= save(editor, QDir(out).filePath(QStringLiteral("editor_mid_navigation_style%1.png").arg(style)));
        // The board grows with the window and must stay sharp there.
        editor.resize(editor.size() * 2);
        ok &= save(editor, QDir(out).filePath(QStringLiteral("editor_large_style%1.png").arg(style)));
        QFile::remove(QDir(out).filePath(QStringLiteral("editor-shot.db")));
    }

    morvane::FrmPromote promote;
    ok &= save(promote, QDir(out).filePath(QStringLiteral("promote_dialog.png")));
    return ok ? 0 : 1;
}
