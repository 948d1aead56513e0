#pragma once
// One blue look for every window ("sapphire"), the Persian fonts through
// their installed substitutes, and the few widgets the look needs: a label
// with a glow and a shadow, and the large menu button.

#include <QColor>
#include <QLabel>
#include <QPushButton>

class QApplication;
class QFrame;

// Font substitutes, style sheet and palette; call once after the application
// object exists.
void ApplyTheme(QApplication &app);

// A font by its design name and size in pixels ("B Nazanin", "B Titr",
// "B Mitra", "Tahoma", "Times New Roman").
QFont DesignFont(const QString &family, int pixelSize, bool bold = false);
// The same in points (the dialogs' Tahoma 8 pt).
QFont DesignFontPt(const QString &family, int pointSize, bool bold = false);

// A picture of the program's interface from the data folder (Media/ui).
QPixmap UiPixmap(const QString &name);

// A label whose text carries a soft glow in one colour and a drop shadow in
// another, drawn by the label itself.
class TGlowLabel : public QLabel {
    Q_OBJECT
public:
    explicit TGlowLabel(QWidget *parent = nullptr, const QString &name = QString());
    void SetGlow(const QColor &color, int size = 3);
    void SetShadow(const QColor &color, int offset = 1);
    QColor GlowColor() const { return glow; }
    QColor ShadowColor() const { return shadow; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor glow;
    QColor shadow;
    int glowSize = 0;
    int shadowOffset = 0;
};

// A skinned button; with huge set it is one of the large menu buttons
// (170 x 70, hand cursor).
class TSkinButton : public QPushButton {
    Q_OBJECT
public:
    TSkinButton(QWidget *parent, const QString &name, const QString &caption, bool huge = false);
    // B Nazanin bold at the largest size up to largestPixelSize that fits the caption.
    void FitCaption(int largestPixelSize);
};

// The 252 x 52 panel that tells the user to press Esc to leave: the hint
// "LabelExit" with the Esc key picture "Image1" in its gap.
QFrame *MakeExitHint(QWidget *parent, TGlowLabel **label, QLabel **image);

// Places a widget at a design position (left, top, width, height) in its
// parent's coordinates.
void Place(QWidget *w, int left, int top, int width, int height);
