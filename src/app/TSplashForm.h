#pragma once
// The splash window shown while the program starts: borderless, 177 × 471, centred, with its
// texts, a hatched background shape and a progress bar that each start-up step moves by 10
// (never past 100). It closes itself when it loses activation.

#include <QWidget>

class QLabel;
class QProgressBar;

class TSplashForm : public QWidget {
    Q_OBJECT
public:
    // r: the random number 0 … 98 that picks the hatch (drawn at random when negative).
    explicit TSplashForm(int r = -1);
    ~TSplashForm() override;

    // The hatch of the background for r, and whether r shows the alternative picture in place
    // of "少々お待ちください".
    static Qt::BrushStyle HatchFor(int r);
    static bool AlternativeFor(int r) { return r < 25; }

    // The splash of this start, or nullptr once it is gone.
    static TSplashForm* Instance();
    // Creates and shows the splash, painted at once, progress 0.
    static TSplashForm* ShowSplash(int r = -1);
    // Adds 10 to the progress (up to 100); nothing once the splash is gone.
    static void ProgressStep();
    // Closes and frees the splash.
    static void Release();

    int Progress() const;
    Qt::BrushStyle Hatch() const { return hatch_; }
    bool AlternativeShown() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    Qt::BrushStyle hatch_;
    QLabel* wait_ = nullptr;
    QLabel* picture_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    bool wasActive_ = false;
};
