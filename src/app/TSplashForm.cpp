#include "app/TSplashForm.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QScreen>
#include <QVBoxLayout>

namespace {
QPointer<TSplashForm>& Current() {
    static QPointer<TSplashForm> splash;
    return splash;
}

QLabel* MakeLabel(const QString& text, QWidget* parent, int pixelSize, bool bold = false) {
    auto* l = new QLabel(text, parent);
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}
}  // namespace

Qt::BrushStyle TSplashForm::HatchFor(int r) {
    if (r < 40) return Qt::NoBrush;           // clear brush (below 25 with the picture)
    if (r < 55) return Qt::BDiagPattern;      // backward diagonal
    if (r < 70) return Qt::FDiagPattern;      // forward diagonal
    if (r < 80) return Qt::HorPattern;        // horizontal lines
    if (r < 90) return Qt::VerPattern;        // vertical lines
    if (r < 95) return Qt::DiagCrossPattern;  // diagonal cross
    return Qt::CrossPattern;                  // cross
}

TSplashForm::TSplashForm(int r)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("SplashForm"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(177, 471);
    if (r < 0) r = int(QRandomGenerator::global()->bounded(99));
    hatch_ = HatchFor(r);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 16, 10, 6);
    layout->addWidget(MakeLabel(QStringLiteral("オリマキ：ただいま起動中"), this, 15, true));
    layout->addSpacing(16);
    layout->addWidget(MakeLabel(QStringLiteral("日本古来の伝統を かもしながら"), this, 13));
    layout->addStretch(1);
    wait_ = MakeLabel(QStringLiteral("少々お待ちください"), this, 13);
    layout->addWidget(wait_);
    // The alternative picture: a little scroll, drawn.
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("AltPicture"));
    QPixmap pm(96, 64);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(120, 60, 20), 2));
        p.setBrush(QColor(250, 240, 210));
        p.drawRoundedRect(QRectF(8, 8, 80, 48), 6, 6);
        p.setBrush(QColor(150, 80, 30));
        p.drawEllipse(QRectF(2, 4, 12, 56));
        p.drawEllipse(QRectF(82, 4, 12, 56));
        p.setPen(QPen(QColor(60, 60, 60), 1));
        for (int x = 72; x > 20; x -= 10) p.drawLine(x, 16, x, 48);
    }
    picture_->setPixmap(pm);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->hide();
    layout->addWidget(picture_);
    layout->addStretch(1);
    layout->addWidget(MakeLabel(QStringLiteral("V(^o^)"), this, 22, true));
    layout->addWidget(MakeLabel(QStringLiteral("<99"), this, 15));
    layout->addSpacing(8);
    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(QStringLiteral("Gauge1"));
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    gauge_->setTextVisible(false);
    gauge_->setFixedHeight(12);
    layout->addWidget(gauge_);

    if (AlternativeFor(r)) {
        wait_->hide();
        picture_->show();
    }
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

TSplashForm::~TSplashForm() = default;

bool TSplashForm::AlternativeShown() const {
    return picture_->isVisibleTo(this);
}

int TSplashForm::Progress() const {
    return gauge_->value();
}

TSplashForm* TSplashForm::Instance() {
    return Current().data();
}

TSplashForm* TSplashForm::ShowSplash(int r) {
    delete Current().data();
    auto* s = new TSplashForm(r);
    Current() = s;
    s->show();
    s->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return s;
}

void TSplashForm::ProgressStep() {
    TSplashForm* s = Instance();
    if (!s) return;
    s->gauge_->setValue(std::min(100, s->gauge_->value() + 10));
    s->gauge_->repaint();
}

void TSplashForm::Release() {
    if (TSplashForm* s = Instance()) {
        s->close();
        s->deleteLater();
        Current() = nullptr;
    }
}

void TSplashForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(255, 252, 240));
    // The background shape: a rounded panel, hatched.
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(4, 4, -4, -4), 14, 14);
    p.setPen(QPen(QColor(150, 40, 40), 2));
    p.setBrush(QBrush(QColor(230, 180, 160), hatch_));
    p.drawPath(shape);
}

void TSplashForm::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange) {
        // Another window was clicked: the splash goes at once; the start goes on without it.
        if (isActiveWindow())
            wasActive_ = true;
        else if (wasActive_ && Current() == this)
            Release();
    }
    QWidget::changeEvent(e);
}
