#include "Theme.h"

#include "Paths.h"

#include <QApplication>
#include <QFont>
#include <QFrame>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmapCache>
#include <QStyle>

namespace {

const char *const kStyleSheet = R"(
TForm, QDialog {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e9f1fb, stop:1 #c7daf2);
}
QLabel { color: #1d2f4a; background: transparent; }
QPushButton {
    color: #ffffff;
    border: 1px solid #1b4a8a;
    border-radius: 6px;
    padding: 4px 10px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6aa5ea, stop:0.5 #3e7fcf,
                                stop:0.51 #2f6dbd, stop:1 #245ca6);
}
QPushButton:hover {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #86b9f2, stop:0.5 #5593dc,
                                stop:0.51 #437fca, stop:1 #336db5);
}
QPushButton:pressed {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #245ca6, stop:1 #3e7fcf);
}
QPushButton:focus { border: 2px solid #f5d76e; }
QPushButton:disabled {
    color: #dde6f2;
    border-color: #8ea6c6;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #b7c9e0, stop:1 #98b0d0);
}
QPushButton[skinSection="BUTTON_HUGE"] {
    border-radius: 12px;
    border: 2px solid #173f78;
    padding: 2px 6px;
}
QPushButton[flat="true"] {
    border: none;
    background: transparent;
}
QPushButton[flat="true"]:hover { background: rgba(255, 255, 255, 90); border-radius: 8px; }
QComboBox, QLineEdit, QSpinBox, QTextEdit, QPlainTextEdit {
    background: #ffffff;
    color: #000000;
    border: 1px solid #5b86bf;
    border-radius: 4px;
    selection-background-color: #3e7fcf;
}
QComboBox QAbstractItemView { background: #ffffff; color: #000000; }
QToolTip { color: #1d2f4a; background: #fff8d6; border: 1px solid #b89b3a; }
QFrame[skinSection="PANEL"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #d8e6f8, stop:1 #a9c4e8);
    border: 1px solid #5b86bf;
    border-radius: 6px;
}
)";

} // namespace

void ApplyTheme(QApplication &app) {
    QFont::insertSubstitution(QStringLiteral("B Nazanin"), QStringLiteral("Nazli"));
    QFont::insertSubstitution(QStringLiteral("B Titr"), QStringLiteral("Titr"));
    QFont::insertSubstitution(QStringLiteral("B Mitra"), QStringLiteral("Noto Naskh Arabic"));
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("Noto Sans Arabic"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("DejaVu Serif"));

    app.setStyle(QStringLiteral("Fusion"));
    QPalette pal = app.palette();
    pal.setColor(QPalette::Window, QColor(0xdb, 0xe8, 0xf7));
    pal.setColor(QPalette::WindowText, QColor(0x1d, 0x2f, 0x4a));
    pal.setColor(QPalette::Button, QColor(0x3e, 0x7f, 0xcf));
    pal.setColor(QPalette::ButtonText, Qt::white);
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::Highlight, QColor(0x3e, 0x7f, 0xcf));
    app.setPalette(pal);
    app.setFont(DesignFontPt(QStringLiteral("Tahoma"), 8));
    app.setStyleSheet(QString::fromLatin1(kStyleSheet));
}

QFont DesignFont(const QString &family, int pixelSize, bool bold) {
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QFont DesignFontPt(const QString &family, int pointSize, bool bold) {
    QFont f(family);
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

QPixmap UiPixmap(const QString &name) {
    QPixmap pm;
    const QString key = QStringLiteral("ui:") + name;
    if (!QPixmapCache::find(key, &pm)) {
        pm.load(MediaPath(QStringLiteral("Media/ui/") + name));
        QPixmapCache::insert(key, pm);
    }
    return pm;
}

// ---- TGlowLabel -----------------------------------------------------------

TGlowLabel::TGlowLabel(QWidget *parent, const QString &name) : QLabel(parent) {
    if (!name.isEmpty())
        setObjectName(name);
}

void TGlowLabel::SetGlow(const QColor &color, int size) {
    glow = color;
    glowSize = size;
    update();
}

void TGlowLabel::SetShadow(const QColor &color, int offset) {
    shadow = color;
    shadowOffset = offset;
    update();
}

void TGlowLabel::paintEvent(QPaintEvent *event) {
    if ((!glow.isValid() && !shadow.isValid()) || text().isEmpty() ||
        textFormat() == Qt::RichText) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font());
    const QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int flags = int(QStyle::visualAlignment(layoutDirection(), alignment()));
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    // The label's own direction decides, not the text's first letters: a
    // left-to-right clock "00 : 00 : 37" must not be reversed.
    p.setLayoutDirection(layoutDirection());
    flags |=
        layoutDirection() == Qt::RightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
    // A carriage return breaks the line, as it does in the hints.
    QString t = text();
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (shadow.isValid()) {
        p.setPen(shadow);
        p.drawText(r.translated(shadowOffset + 1, shadowOffset + 1), flags, t);
    }
    if (glow.isValid()) {
        QColor g = glow;
        for (int d = glowSize; d >= 1; --d) {
            g.setAlpha(255 * (glowSize - d + 1) / (glowSize + 2));
            p.setPen(g);
            for (int dx = -d; dx <= d; dx += d)
                for (int dy = -d; dy <= d; dy += d)
                    if (dx || dy)
                        p.drawText(r.translated(dx, dy), flags, t);
        }
    }
    p.setPen(palette().color(foregroundRole()));
    p.drawText(r, flags, t);
}

// ---- TSkinButton ----------------------------------------------------------

TSkinButton::TSkinButton(QWidget *parent, const QString &name, const QString &caption, bool huge)
    : QPushButton(caption, parent) {
    setObjectName(name);
    setAutoDefault(false);
    setDefault(false);
    setCursor(Qt::PointingHandCursor);
    if (huge) {
        setProperty("skinSection", QStringLiteral("BUTTON_HUGE"));
        setFixedSize(170, 70);
        FitCaption(19);
    }
}

void TSkinButton::FitCaption(int largestPixelSize) {
    // The captions stay exactly as they are; a long one gets a smaller font
    // so that it fits the button instead of being cut.
    QFont f = DesignFont(QStringLiteral("B Nazanin"), largestPixelSize, true);
    const int room = width() - 16;
    while (f.pixelSize() > 11 && QFontMetrics(f).horizontalAdvance(text()) > room)
        f.setPixelSize(f.pixelSize() - 1);
    setFont(f);
}

QFrame *MakeExitHint(QWidget *parent, TGlowLabel **label, QLabel **image) {
    auto *panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("sPanel1"));
    panel->setProperty("skinSection", QStringLiteral("PANEL"));
    panel->resize(252, 52);
    auto *l = new TGlowLabel(panel, QStringLiteral("LabelExit"));
    l->setText(QStringLiteral("جهت خروج") + QString(15, u' ') + QStringLiteral("را بفشارید"));
    l->setFont(DesignFont(QStringLiteral("B Nazanin"), 19, true));
    l->setStyleSheet(QStringLiteral("color: rgb(33, 33, 33);"));
    l->SetGlow(Qt::yellow, 2);
    l->setAlignment(Qt::AlignCenter);
    Place(l, 19, 4, 212, 38);
    auto *i = new QLabel(panel);
    i->setObjectName(QStringLiteral("Image1"));
    i->setPixmap(UiPixmap(QStringLiteral("esc.png")));
    Place(i, 102, 2, 48, 48);
    *label = l;
    *image = i;
    return panel;
}

void Place(QWidget *w, int left, int top, int width, int height) {
    w->setGeometry(left, top, width, height);
}
