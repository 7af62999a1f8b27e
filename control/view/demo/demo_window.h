#pragma once
// One board with buttons for its main members and a log of the events it raises.

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace quill {
class Varnel;
}

class DemoWindow : public QWidget {
    Q_OBJECT

public:
    explicit DemoWindow(QWidget* parent = nullptr);
    quill::Varnel* board() const { return board_; }
    void setDragEnabled(bool on);

private:
    void log(const QString& line);
    void toggleStyle();

    quill::Varnel* board_;
    QPlainTextEdit* log_;
    QPushButton* dragButton_;
};
