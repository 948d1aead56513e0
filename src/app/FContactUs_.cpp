#include "FContactUs_.h"

#include "common/Theme.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

TFContactUs *FContactUs = nullptr;

TFContactUs::TFContactUs(QWidget *parent) : TForm(parent) {
    setObjectName(QStringLiteral("FContactUs"));
    setWindowTitle(QString());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    SetClientSize(433, 220);
    KeyPreview = true;

    sLabelFX1 = new TGlowLabel(this, QStringLiteral("sLabelFX1"));
    sLabelFX1->setText(QStringLiteral("تماس با ما"));
    sLabelFX1->setFont(DesignFont(QStringLiteral("B Nazanin"), 21, true));
    sLabelFX1->setAlignment(Qt::AlignCenter);
    sLabelFX1->setStyleSheet(QStringLiteral("color: #123f7a;"));
    sLabelFX1->SetGlow(QColor(255, 255, 121), 2);
    Place(sLabelFX1, 16, 8, 401, 38);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setPixmap(UiPixmap(QStringLiteral("strip.png")));
    Place(Image1, 16, 50, 401, 5);

    // Placeholders until the publisher's own details are known.
    const struct {
        QString Caption;
        QString Value;
    } lines[] = {
        {QStringLiteral("شماره تماس پشتیبانی : "), QStringLiteral("+98 21 0000 0000")},
        {QStringLiteral("وب سایت : "), QStringLiteral("tizbin.example")},
        {QStringLiteral("ایمیل : "), QStringLiteral("info@tizbin.example")},
    };
    int top = 66;
    int n = 2;
    for (const auto &line : lines) {
        auto *caption = new QLabel(line.Caption, this);
        caption->setObjectName(QStringLiteral("sLabel%1").arg(n++));
        caption->setFont(DesignFont(QStringLiteral("B Nazanin"), 17, true));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Place(caption, 282, top, 143, 40);
        auto *value = new QLabel(line.Value, this);
        value->setObjectName(QStringLiteral("sLabel%1").arg(n++));
        value->setFont(DesignFont(QStringLiteral("Times New Roman"), 21, true));
        value->setLayoutDirection(Qt::LeftToRight);
        value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        Place(value, 8, top, 272, 40);
        top += 44;
    }

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setScaledContents(true);
    Image2->setPixmap(UiPixmap(QStringLiteral("strip.png")));
    Place(Image2, 16, 206, 401, 5);

    CentreOnScreen();
}

void TFContactUs::FormKeyPress(QChar &key) {
    key = QChar();
    Close();
}
