#pragma once
// TCancelForm: the progress window of a generation run. It stays usable while the main window
// is disabled; its button and its close box end the run (the run asks Cancelled() after every
// column). The bar shows how many columns are done.

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

class TCancelForm : public QWidget {
    Q_OBJECT
public:
    explicit TCancelForm(QWidget* parent = nullptr);

    bool Cancelled() const { return cancelled_; }
    void SetProgress(std::size_t done, std::size_t total);
    QPushButton* CancelButton() const { return button_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* button_ = nullptr;
    bool cancelled_ = false;
};
