#pragma once
// One style's preview picture: a board in the opening position, drawn from that
// style's square and piece artwork. Artwork that is missing is replaced by plain
// squares and piece letters, so a preview is never blank.

#include <QWidget>

namespace morvane {

class StylePreview : public QWidget {
    Q_OBJECT
public:
    // `set` is the artwork folder: "modern", "classic", "alpha" or "castles".
    // `squares` names the set whose light and dark squares the board uses.
    StylePreview(const QString& set, const QString& squares, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {kSide, kSide}; }
    // True when every picture came from artwork.
    bool isComplete() const { return complete_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kSide = 168;
    QString set_;
    QString squares_;
    bool complete_ = true;
};

} // namespace morvane
