#pragma once
// The "Setup" tab: pace of the replay, order, move list, font and colours of the
// Saver screen, board style and orientation.

#include <QWidget>

#include <array>
#include <cstdint>
#include <string>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace morvane {

class Config;
class Dialogs;
class LinkLabel;
class StylePreview;

class SetupTab : public QWidget {
    Q_OBJECT
public:
    SetupTab(Dialogs& dialogs, const QString& appPath, QWidget* parent = nullptr);

    // The dialog's load, steps for this tab; reads the store only.
    void load(const Config& config);

    // What Apply writes, in its own words.
    std::uint32_t textColor() const { return textColor_; }
    std::uint32_t backColor() const { return backColor_; }
    QString secondsBetweenMoves() const;
    QString secondsBetweenGames() const;
    bool randomOrder() const;
    bool invertBoard() const;
    bool highlightMove() const;
    bool animateMoves() const;
    bool hideMoveList() const;
    int style() const; // 1 Modern .. 4 Castles!
    const QString& fontName() const { return fontName_; }
    QString fontSizeText() const;
    bool showComments() const;
    // The stored text of PaceByClock: the factor when the box is ticked and the
    // factor is a number above 0, else "0".
    std::string paceByClock() const;

    void Command1_Click();
    void Command10_Click();
    void Combo1_Click();

private:
    QWidget* buildGeneral();
    QWidget* buildBoard();
    QWidget* buildAnnotations();
    void setTextColor(std::uint32_t color);
    void setBackColor(std::uint32_t color);
    void showFontPreview(const QString& text);

    Dialogs& dialogs_;
    std::uint32_t textColor_ = 0;
    std::uint32_t backColor_ = 0;
    QString fontName_;
    double fontSize_ = 12;

    QLineEdit* Text1_ = nullptr;
    QLineEdit* Text2_ = nullptr;
    QCheckBox* Random_ = nullptr;
    QCheckBox* HideMoveList_ = nullptr;
    QFrame* Picture1_ = nullptr;
    QFrame* Picture3_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* Command10_ = nullptr;
    QLabel* lblFontTest_ = nullptr;
    QComboBox* Combo1_ = nullptr;
    std::array<StylePreview*, 4> Image1_{};
    QCheckBox* rotate_ = nullptr;
    QCheckBox* HighlightMove_ = nullptr;
    QCheckBox* AnimateMoves_ = nullptr;
    LinkLabel* lblUrl4_ = nullptr;
    QCheckBox* ShowComments_ = nullptr;
    QCheckBox* PaceByClock_ = nullptr;
    QLineEdit* txtPaceFactor_ = nullptr;
};

} // namespace morvane
