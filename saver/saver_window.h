#pragma once
// The Saver screen. For now a plain window with the program's caption; the
// replay screen is built on this class.

#include <QWidget>

namespace morvane {

class SaverWindow : public QWidget {
    Q_OBJECT
public:
    explicit SaverWindow(QWidget* parent = nullptr);
    // Loads the next game: run by the loader timer and once by the entry procedure.
    void Timer2_Timer();
};

}  // namespace morvane
