#pragma once
// "Promote a pawn": the small modal dialog that asks which piece a pawn
// becomes. Queen is chosen when it opens; there is no way to cancel.

#include <QDialog>
#include <array>

#include <quillboard/piece_codes.h>

class QLabel;
class QPushButton;
class QRadioButton;

namespace morvane {

class FrmPromote : public QDialog {
    Q_OBJECT

public:
    // Option indexes, in the order of the options.
    enum Choice { Rook = 0, Knight = 1, Bishop = 2, Queen = 3 };

    explicit FrmPromote(QWidget* parent = nullptr);

    // Shows the dialog modally over `owner` and returns the code of the piece a
    // pawn of `side` (1 White, 2 Black) becomes.
    static quill::PieceNum Promote(int side, QWidget* owner);
    // The code of option `choice` for `side`: choice + 9 for White, + 3 otherwise.
    static quill::PieceNum codeFor(int choice, int side);

    // The option selected last.
    int PromoteChoice() const { return promoteChoice_; }

    void Option1_Click(int index);
    void Command1_Click();

private:
    void Form_Load();

    QLabel* Label1_ = nullptr;
    std::array<QRadioButton*, 4> Option1_{};
    QPushButton* Command1_ = nullptr;
    int promoteChoice_ = Queen;
};

} // namespace morvane
