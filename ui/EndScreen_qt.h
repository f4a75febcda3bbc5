#pragma once
// What stands in the lesson's place after "離開" where there is no window to
// close (a web page): a quiet navy screen saying "結束". A click on it, or a
// presenter's forward key, asks once for the lesson to start again.

#include <QWidget>
#include <functional>

class TEndScreenWidget final : public QWidget {
public:
    explicit TEndScreenWidget(std::function<void()> startAgain);

    // Fills the screen, as the lesson's board did there.
    void ShowInPlaceOfTheLesson();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void StartAgain();

    std::function<void()> startAgain_;
    bool asked_ = false;
};
