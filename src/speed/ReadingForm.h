#pragma once
// One reading measured against the clock: a passage of 150 to 199 words from
// a random exercise text, hidden until the first Space, timed in whole seconds
// until the second, stored as words per minute under the current user. The
// speed test of the course and the timed practice are this same window with
// a few points of their own.

#include "common/Form.h"

#include <QStringList>

class QFrame;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class TGlowLabel;
class TTimer;

// What one reading keeps between its handlers.
struct TReadingState {
    int WordCount = 0;  // words in the passage of the current showing
    int SecCounter = 0; // whole seconds since the start of the reading
    bool Started = false;
    QStringList Words; // the words of the loaded text
};

struct TReadingKind {
    QString Caption;
    QString Heading;
    QSize HeadingSize;
    bool IsTest;    // stored with IsTestFlag true
    bool EscCloses; // Esc closes the window (never while reading)
    QString Result; // what the stored row is called in a message
};

class TReadingForm : public TForm {
    Q_OBJECT
public:
    TReadingForm(const QString &name, const TReadingKind &kind, TReadingState &state,
                 QWidget *parent = nullptr);

    TTimer *Timer1;
    QFrame *sPanel1;
    TGlowLabel *sLabelFX1;
    QGroupBox *sGroupBox1;
    TGlowLabel *sLabelFX4;
    TGlowLabel *sLabelFX2;
    TGlowLabel *LblTime;
    TGlowLabel *LblSpeed;
    QFrame *sPanel2;
    TGlowLabel *sLabelFX5;
    QPushButton *sBitBtn6;
    QPlainTextEdit *MemoTemp;
    QPlainTextEdit *Memo1;

    // Prepares a showing with a passage of at most wordCount words.
    void Prepare(int wordCount);
    // The Space key: starts, then ends the reading; nothing after that.
    void Space();
    void Timer1Timer();
    void sBitBtn6Click() { Close(); }

protected:
    void FormShow() override;
    void FormCloseQuery(bool &canClose) override;
    void FormClose() override;
    void FormKeyDown(QKeyEvent *event, bool &handled) override;

private:
    void Store(int speed);
    TReadingKind kind;
    TReadingState &state;
    bool ended = false;
};
