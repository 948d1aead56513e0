#pragma once
// The exercise surface: a borderless, always-on-top, maximised black window
// with a 1024 x 768 exercise area centred on the screen, its tool strip, the
// elements the exercises move about, and the two timers that drive them.
//
// Callers show the surface, set SenderForm, call entry operations one after
// another and close the surface. Each entry operation returns whether its
// exercise ran to its end; false means the user left with Esc (the surface
// is closed then, and every later entry operation of the sequence returns
// false at once) or the exercise could not start.

#include "ExerciseRules.h"
#include "common/Form.h"

#include <QPixmap>
#include <QPointer>
#include <QStringList>

class QEventLoop;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSoundEffect;
class TGlowLabel;
class TTimer;

// The kind of the exercise constructed last (0 to 8).
extern std::uint8_t ExerciseKind;

// What every exercise object offers the surface.
class TExercise {
public:
    virtual ~TExercise() = default;
    bool Finished = false;
    // One tick of the ball timer.
    virtual void Tick() = 0;
};

// The four star paths share their stepping; they differ in their figure.
class TStarClass : public TExercise, public TPathStepper {
public:
    bool DoAct(int Count, int TickDelay, int TimeSec);
    void Tick() override;
    ~TStarClass() override;
    QVector<QPoint> NodePos; // index 0 is node 1

protected:
    explicit TStarClass(int kind);
};

class TStar1Class : public TStarClass {
public:
    TStar1Class() : TStarClass(0) {}
};
class TStar2Class : public TStarClass {
public:
    TStar2Class() : TStarClass(1) {}
};
class TStar3Class : public TStarClass {
public:
    TStar3Class() : TStarClass(2) {}
};
class TStar4Class : public TStarClass {
public:
    TStar4Class() : TStarClass(3) {}
};

class TNoghteMarkazi : public TExercise {
public:
    explicit TNoghteMarkazi(int Type_);
    ~TNoghteMarkazi() override;
    bool DoAct(int Count, int TickDelay, int TimeSec);
    void Tick() override;
    void IncNodeCounter();
    void DecNodeCounter();
    int NodeIndex() const;

    int NodeCounter = -1;
    int LapCounter = 0;
    QVector<TCentralEntry> NodePos; // index 0 is entry 1
    typeActDirection Direction = dirForward;
};

class THarkatAshia : public TExercise {
public:
    explicit THarkatAshia(int LineCount_);
    ~THarkatAshia() override;
    bool DoAct(int Count, int PicPerSec_, int TimeSec);
    void Tick() override;
    void DeleteImages();

    int ImgCountPerLine = 0;
    int PicCounter = 1;
    int LineCounter = 1;
    int LapCounter = 0;
    int LineCount = 0;
    QPointer<QLabel> Img;
};

// Word groups, moving letters and rows take their words the same way.
class TTextExercise : public TExercise {
public:
    ~TTextExercise() override;
    QStringList List;
    int WordCounter = 0;

protected:
    explicit TTextExercise(QPlainTextEdit *Memo);
};

class TMaksCheshmi : public TTextExercise {
public:
    explicit TMaksCheshmi(QPlainTextEdit *Memo);
    bool DoAct(int WPM, int WordCountDisplay_, int TimeSec);
    void Tick() override;
    int WordCountDisplay = 1;
};

class THoroofDarHarkat : public TTextExercise {
public:
    explicit THoroofDarHarkat(QPlainTextEdit *Memo);
    bool DoAct(int WPM, int TimeSec);
    void Tick() override;
    QString LineString;
};

class TSatr12Kaleme : public TTextExercise {
public:
    explicit TSatr12Kaleme(QPlainTextEdit *Memo);
    bool DoAct(int WPM, int WordCountDisplay_, int LineCount_, int TimeSec);
    void Tick() override;
    int WordCountDisplay = 1;
    int LineCount = 1;
    int LineCounter = 0;
};

extern TStar1Class *ActiveStar1;
extern TStar2Class *ActiveStar2;
extern TStar3Class *ActiveStar3;
extern TStar4Class *ActiveStar4;
extern TNoghteMarkazi *ActiveNoghteMarkazi;
extern THarkatAshia *ActiveHarkatAshia;
extern TMaksCheshmi *ActiveMaksCheshmi;
extern THoroofDarHarkat *ActiveHoroofDarHarkat;
extern TSatr12Kaleme *ActiveSatr12Kaleme;

class TFDisplay : public TForm {
    Q_OBJECT
public:
    explicit TFDisplay(QWidget *parent = nullptr);

    QLabel *Label1;
    QFrame *PanelTools;
    TGlowLabel *LblWPN;
    TGlowLabel *LblTime;
    QPushButton *sBitBtn5;
    QFrame *sPanel1;
    TGlowLabel *LabelExit;
    QLabel *Image1;
    QLabel *ImgPlay;
    QLabel *ImgPause;
    QLabel *ImageBall;
    QLabel *ImgNoghteMarkazi;
    QLabel *LblNoghteMarkazi1;
    QLabel *LblNoghteMarkazi2;
    QLabel *ImageTemp;
    QLabel *LabelText;
    QPlainTextEdit *MemoMaksChesm;
    TTimer *TimerBall;
    TTimer *TimerZaman;

    QPointer<QWidget> SenderForm;

    int GetAreaLeft() const;
    int GetAreaTop() const;
    QPoint Area() const { return {GetAreaLeft(), GetAreaTop()}; }
    int ToolHeight() const;

    void TimerOn(bool HasWPM, int WPM, int TimeSec);
    void TimerOff();
    void UpdatePausePlayButton();
    void BeforeCloseForm();
    QString GetRandomTextFilePath();

    bool ShowStar1(int Count, int TickDelay, int TimeSec);
    bool ShowStar2(int Count, int TickDelay, int TimeSec);
    bool ShowStar3(int Count, int TickDelay, int TimeSec);
    bool ShowStar4(int Count, int TickDelay, int TimeSec);
    bool ShowNoghteMarkazi(int Kind, int Count, int TickDelay, int TimeSec);
    bool ShowHarkatAshia(int LineCount, int Count, int PicPerSec_, int TimeSec);
    bool ShowMaksCheshmi(int WPM, int WordCountDisplay_, int TimeSec);
    bool ShowHoroofDarHarkat(int WPM, int TimeSec);
    bool ShowSatr12Kaleme(int WPM, int WordCountDisplay_, int LineCount_, int TimeSec);

    // An entry operation is under way (instruction screen or exercise):
    // no second sequence may start through its nested event loop.
    bool Busy() const { return busy; }
    // The entry operation is waiting in its event loop for the exercise.
    bool Waiting() const { return waitLoop != nullptr; }
    // Ends the wait of the running entry operation (the exercise finished).
    void ExerciseEnded();

    int SecTimer() const { return secTimer; }
    int FinishTime() const { return finishTime; }

    // One of the 26 exercise pictures (1..26), loaded once; a null pixmap
    // when its file cannot be read (logged once per run).
    QPixmap Picture(int n);
    void ForgetPictureFailures() { failedPictures.clear(); }
    // Drops the loaded pictures, so that they are read again.
    void ClearPictures() {
        pictures.clear();
        failedPictures.clear();
    }
    // The tick of the star paths, asynchronous; a beep without a sound.
    void PlayTick();

    void sBitBtn5Click();
    void TimerBallTimer();
    void TimerZamanTimer();

protected:
    void FormShow() override;
    void FormClose() override;
    void FormKeyPress(QChar &key) override;

private:
    void FormCreate();
    TExercise *ActiveExercise() const;
    bool CanStart() const;
    // Shows the instruction screen, starts the exercise, waits for its end
    // and releases it.
    template <class T, class Start> bool Run(T *&active, Start start);
    template <class T> bool StartStar(T *&active, int Count, int TickDelay, int TimeSec);
    bool LoadRandomText();

    int secTimer = 0;
    int finishTime = 0;
    bool busy = false;
    bool abandoned = false;
    QEventLoop *waitLoop = nullptr;
    QSoundEffect *tick = nullptr;
    QHash<int, QPixmap> pictures;
    QSet<int> failedPictures;
};

extern TFDisplay *FDisplay;
