#include "UAbout.h"

#include "common/Theme.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

TAboutForm *AboutForm = nullptr;

namespace {

QString AboutText() {
    return QStringLiteral(
        "«تیزبین» نرم‌افزاری برای آموزش تندخوانی به زبان فارسی است. "
        "هدف "
        "آن "
        "کمک "
        "به "
        "خواننده است تا سریع‌تر بخواند، بهتر بفهمد و آنچه را "
        "خوانده "
        "بیشتر "
        "به "
        "یاد بسپارد.\n\n"
        "بخش‌های برنامه: آموزش گام‌به‌گام در ده درس، "
        "تمرین‌های "
        "حرکت "
        "چشم "
        "و تقویت دید، "
        "آزمون سرعت خواندن با نمودار پیشرفت، آزمون درک مطلب، "
        "بازی‌های "
        "مهارت "
        "دیداری، "
        "جعبهٔ یادگیری لایتنر، خلاصهٔ کتاب‌ها و راهنمای "
        "مطالعه.\n\n"
        "نتیجهٔ هر تمرین و آزمون برای هر کاربر جداگانه نگه داشته "
        "می‌شود "
        "تا "
        "پیشرفت خود را "
        "روز به روز ببینید.\n\n"
        "آذر ۱۴۰۵ — نسخهٔ 1.00");
}

} // namespace

TAboutForm::TAboutForm(QWidget *parent) : TForm(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QString());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    SetClientSize(470, 530);
    KeyPreview = true;
    const QFont font = DesignFont(QStringLiteral("B Nazanin"), 19, true);

    sLabelFX1 = new TGlowLabel(this, QStringLiteral("sLabelFX1"));
    sLabelFX1->setText(QStringLiteral("معرفی برنامه"));
    sLabelFX1->setFont(font);
    sLabelFX1->setAlignment(Qt::AlignCenter);
    sLabelFX1->setStyleSheet(QStringLiteral("color: #123f7a;"));
    sLabelFX1->SetGlow(QColor(255, 255, 121), 2);
    sLabelFX1->SetShadow(QColor(150, 170, 200), 1);
    Place(sLabelFX1, 35, 12, 400, 40);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setPixmap(UiPixmap(QStringLiteral("strip.png")));
    Place(Image1, 35, 58, 400, 5);

    sLabel1 = new QLabel(AboutText(), this);
    sLabel1->setObjectName(QStringLiteral("sLabel1"));
    sLabel1->setFont(font);
    sLabel1->setWordWrap(true);
    sLabel1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Place(sLabel1, 25, 72, 420, 430);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setScaledContents(true);
    Image2->setPixmap(UiPixmap(QStringLiteral("strip.png")));
    Place(Image2, 35, 512, 400, 5);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &TAboutForm::Timer1Timer);

    CentreOnScreen();
}

void TAboutForm::FormKeyPress(QChar &key) {
    key = QChar();
    Close();
}
