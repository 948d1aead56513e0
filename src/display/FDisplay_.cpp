#include "FDisplay_.h"

#include "FWait_.h"
#include "common/ErrorLog.h"
#include "common/Paths.h"
#include "common/PersianMessageDlg.h"
#include "common/TextFiles.h"
#include "common/Theme.h"
#include "common/Timer.h"
#include "common/UtilityFuncs.h"

#include <QApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSoundEffect>

std::uint8_t ExerciseKind = 0;

TStar1Class *ActiveStar1 = nullptr;
TStar2Class *ActiveStar2 = nullptr;
TStar3Class *ActiveStar3 = nullptr;
TStar4Class *ActiveStar4 = nullptr;
TNoghteMarkazi *ActiveNoghteMarkazi = nullptr;
THarkatAshia *ActiveHarkatAshia = nullptr;
TMaksCheshmi *ActiveMaksCheshmi = nullptr;
THoroofDarHarkat *ActiveHoroofDarHarkat = nullptr;
TSatr12Kaleme *ActiveSatr12Kaleme = nullptr;

TFDisplay *FDisplay = nullptr;

namespace {

int AtLeastOne(int v) {
    return v < 1 ? 1 : v;
}

template <class T> void Release(T *&active) {
    // Cleared before the object goes, so that a late tick finds nothing.
    T *gone = active;
    active = nullptr;
    delete gone;
}

} // namespace

// ---- star paths -----------------------------------------------------------

TStarClass::TStarClass(int kind) {
    ExerciseKind = std::uint8_t(kind);
    N = StarNodeCount(kind);
    Turn = StarTurnValue(kind);
    NodePos = StarNodePositions(kind, FDisplay->Area(), FDisplay->ImageBall->size(),
                                FDisplay->ToolHeight());
    NodeCounter = -1;
    Direction = dirForward;
}

TStarClass::~TStarClass() {
    FDisplay->ImageBall->hide();
    FDisplay->TimerBall->SetEnabled(false);
}

bool TStarClass::DoAct(int Count, int TickDelay, int TimeSec) {
    LapCounter = Count;
    Finished = false;
    FDisplay->TimerOn(false, 0, TimeSec);
    FDisplay->TimerBall->SetInterval(TickDelay);
    FDisplay->TimerBall->SetEnabled(true);
    return true;
}

void TStarClass::Tick() {
    Step();
    FDisplay->ImageBall->show();
    FDisplay->PlayTick();
    FDisplay->ImageBall->move(NodePos[NodeIndex() - 1]);
}

// ---- central point --------------------------------------------------------

TNoghteMarkazi::TNoghteMarkazi(int Type_) {
    ExerciseKind = 4;
    TFDisplay *d = FDisplay;
    const QPoint a = d->Area();
    d->ImgNoghteMarkazi->move(a.x() + 512 - d->ImgNoghteMarkazi->width() / 2,
                              a.y() + 384 - d->ImgNoghteMarkazi->height() / 2);
    d->ImgNoghteMarkazi->show();
    NodePos =
        CentralPointPositions(Type_, a, d->LblNoghteMarkazi1->size(), d->LblNoghteMarkazi2->size());
    NodeCounter = -1;
    Direction = dirForward;
}

TNoghteMarkazi::~TNoghteMarkazi() {
    FDisplay->ImgNoghteMarkazi->hide();
    FDisplay->LblNoghteMarkazi1->hide();
    FDisplay->LblNoghteMarkazi2->hide();
    FDisplay->TimerBall->SetEnabled(false);
}

bool TNoghteMarkazi::DoAct(int Count, int TickDelay, int TimeSec) {
    LapCounter = Count;
    FDisplay->TimerOn(false, 0, TimeSec);
    FDisplay->TimerBall->SetInterval(TickDelay);
    Finished = false;
    FDisplay->TimerBall->SetEnabled(true);
    return true;
}

void TNoghteMarkazi::IncNodeCounter() {
    if (++NodeCounter >= 14) {
        NodeCounter = 0;
        --LapCounter;
    }
}

void TNoghteMarkazi::DecNodeCounter() {
    if (--NodeCounter <= 0) {
        Direction = dirForward;
        --LapCounter;
    }
}

int TNoghteMarkazi::NodeIndex() const {
    const int i = NodeCounter % 14 + 1;
    return i == 0 ? 1 : i;
}

void TNoghteMarkazi::Tick() {
    if (Direction == dirForward)
        IncNodeCounter();
    else if (Direction == dirBackward)
        DecNodeCounter();
    // A used-up lap count holds the numbers where they are.
    if (LapCounter == 0)
        return;
    QLabel *l1 = FDisplay->LblNoghteMarkazi1;
    QLabel *l2 = FDisplay->LblNoghteMarkazi2;
    l1->setText(QString::number(100 + Random(900)));
    l2->setText(QString::number(100 + Random(900)));
    l1->adjustSize();
    l2->adjustSize();
    l1->show();
    l2->show();
    const TCentralEntry &e = NodePos[NodeIndex() - 1];
    l1->move(e[0], e[1]);
    l2->move(e[2], e[3]);
}

// ---- moving objects -------------------------------------------------------

THarkatAshia::THarkatAshia(int LineCount_) {
    ExerciseKind = 5;
    LineCount = LineCount_;
    ImgCountPerLine = PicturesPerLine(FDisplay->ImageTemp->width());
}

THarkatAshia::~THarkatAshia() {
    FDisplay->TimerBall->SetEnabled(false);
    DeleteImages();
}

bool THarkatAshia::DoAct(int Count, int PicPerSec_, int TimeSec) {
    LapCounter = Count;
    PicCounter = 1;
    LineCounter = 1;
    DeleteImages();
    FDisplay->ForgetPictureFailures();
    Finished = false;
    FDisplay->TimerOn(false, 0, TimeSec);
    FDisplay->TimerBall->SetInterval(1000 / AtLeastOne(PicPerSec_));
    FDisplay->TimerBall->SetEnabled(true);
    return true;
}

void THarkatAshia::DeleteImages() {
    for (int i = 1; i <= ImgCountPerLine; ++i)
        for (int j = 1; j <= LineCount; ++j)
            delete FDisplay->findChild<QLabel *>(QStringLiteral("Img%1_%2").arg(i).arg(j),
                                                 Qt::FindDirectChildrenOnly);
}

void THarkatAshia::Tick() {
    TFDisplay *d = FDisplay;
    const QPixmap pm = d->Picture(1 + Random(26));
    // A picture that cannot be read leaves its place empty; the row goes on.
    if (!pm.isNull()) {
        Img = new QLabel(d);
        Img->setObjectName(QStringLiteral("Img%1_%2").arg(PicCounter).arg(LineCounter));
        Img->setAttribute(Qt::WA_TranslucentBackground);
        Img->setPixmap(pm);
        Img->resize(pm.size()); // auto-size, as the template
        const QSize t = d->ImageTemp->size();
        const int top = PictureTop(d->Area(), t.height(), d->ToolHeight(), LineCounter);
        Img->move(PictureLeft(d->Area(), t.width(), PicCounter), top < 0 ? 0 : top);
        Img->show();
    }
    if (++PicCounter > ImgCountPerLine) {
        PicCounter = 1;
        if (++LineCounter > LineCount) {
            if (--LapCounter == 0) {
                d->TimerOff();
                Finished = true;
                d->TimerBall->SetEnabled(false);
                d->ExerciseEnded();
            } else {
                PicCounter = 1;
                LineCounter = 1;
                DeleteImages();
            }
        }
    }
}

// ---- text pacing ----------------------------------------------------------

TTextExercise::TTextExercise(QPlainTextEdit *Memo) {
    List = WordList(Memo->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
}

TTextExercise::~TTextExercise() {
    FDisplay->TimerBall->SetEnabled(false);
    FDisplay->LabelText->hide();
}

TMaksCheshmi::TMaksCheshmi(QPlainTextEdit *Memo) : TTextExercise(Memo) {
    ExerciseKind = 6;
    QLabel *l = FDisplay->LabelText;
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(FDisplay->GetAreaLeft() + 10, FDisplay->GetAreaTop() + 384 - l->height() / 2,
                   1004, l->height());
}

bool TMaksCheshmi::DoAct(int WPM, int WordCountDisplay_, int TimeSec) {
    WordCountDisplay = WordCountDisplay_;
    WordCounter = 0;
    Finished = false;
    FDisplay->TimerOn(true, WPM, TimeSec);
    FDisplay->TimerBall->SetInterval(WordTime(WPM) * WordCountDisplay_);
    FDisplay->TimerBall->SetEnabled(true);
    return true;
}

void TMaksCheshmi::Tick() {
    FDisplay->LabelText->show();
    FDisplay->LabelText->setText(TakeWordGroup(List, WordCounter, WordCountDisplay));
}

THoroofDarHarkat::THoroofDarHarkat(QPlainTextEdit *Memo) : TTextExercise(Memo) {
    ExerciseKind = 7;
    QLabel *l = FDisplay->LabelText;
    // Leading in the label's own right-to-left terms: against its right edge.
    l->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    l->setGeometry(FDisplay->GetAreaLeft() + 10, FDisplay->GetAreaTop() + 384 - l->height() / 2,
                   1004, l->height());
}

bool THoroofDarHarkat::DoAct(int WPM, int TimeSec) {
    WordCounter = 0;
    LineString.clear();
    FDisplay->TimerBall->SetInterval(WordTime(WPM));
    Finished = false;
    FDisplay->TimerOn(true, WPM, TimeSec);
    FDisplay->TimerBall->SetEnabled(true);
    return true;
}

void THoroofDarHarkat::Tick() {
    QLabel *l = FDisplay->LabelText;
    l->show();
    if (List.isEmpty())
        return;
    if (WordCounter >= List.size())
        WordCounter = 0;
    const QString &word = List[WordCounter];
    LineString += u' ' + word;
    if (QFontMetrics(l->font()).horizontalAdvance(LineString) >= l->width())
        LineString = word;
    l->setText(LineString);
    if (++WordCounter >= List.size())
        WordCounter = 0;
}

TSatr12Kaleme::TSatr12Kaleme(QPlainTextEdit *Memo) : TTextExercise(Memo) {
    ExerciseKind = 8;
    QLabel *l = FDisplay->LabelText;
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(FDisplay->GetAreaLeft() + 10, l->y(), 1004, l->height());
}

bool TSatr12Kaleme::DoAct(int WPM, int WordCountDisplay_, int LineCount_, int TimeSec) {
    WordCountDisplay = WordCountDisplay_;
    LineCount = LineCount_;
    LineCounter = 0;
    WordCounter = 0;
    FDisplay->TimerBall->SetInterval(WordTime(WPM) * WordCountDisplay_);
    Finished = false;
    FDisplay->TimerOn(true, WPM, TimeSec);
    FDisplay->TimerBall->SetEnabled(true);
    return true;
}

void TSatr12Kaleme::Tick() {
    if (++LineCounter > LineCount)
        LineCounter = 1;
    QLabel *l = FDisplay->LabelText;
    l->move(l->x(), RowTop(FDisplay->Area(), l->height(), LineCount, LineCounter));
    l->show();
    l->setText(TakeWordGroup(List, WordCounter, WordCountDisplay));
}

// ---- the surface ----------------------------------------------------------

TFDisplay::TFDisplay(QWidget *parent) : TForm(parent) {
    setObjectName(QStringLiteral("FDisplay"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowState(Qt::WindowMaximized);
    setStyleSheet(QStringLiteral("TFDisplay { background: black; }"));
    setFont(DesignFont(QStringLiteral("Tahoma"), 11));
    KeyPreview = true;
    if (QScreen *s = QGuiApplication::primaryScreen())
        setGeometry(s->geometry());

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAutoFillBackground(true);
    Label1->setStyleSheet(QStringLiteral("background: rgb(223, 223, 223);"));

    PanelTools = new QFrame(this);
    PanelTools->setObjectName(QStringLiteral("PanelTools"));
    PanelTools->setProperty("skinSection", QStringLiteral("PANEL"));
    PanelTools->resize(1024, 57);

    const QFont labelFont = DesignFont(QStringLiteral("Times New Roman"), 16, true);
    LblWPN = new TGlowLabel(PanelTools, QStringLiteral("LblWPN"));
    LblTime = new TGlowLabel(PanelTools, QStringLiteral("LblTime"));
    for (TGlowLabel *l : {LblWPN, LblTime}) {
        l->setFont(labelFont);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("color: rgb(33, 33, 33);"));
        l->SetGlow(QColor(255, 255, 121), 2);
    }
    LblTime->setLayoutDirection(Qt::LeftToRight);
    LblTime->setText(QStringLiteral("00:00:00"));
    Place(LblWPN, 4, 2, 130, 27);
    Place(LblTime, 4, 27, 130, 27);

    ImgPlay = new QLabel(this);
    ImgPlay->setObjectName(QStringLiteral("ImgPlay"));
    ImgPlay->setPixmap(UiPixmap(QStringLiteral("play.png")));
    ImgPlay->hide();
    ImgPause = new QLabel(this);
    ImgPause->setObjectName(QStringLiteral("ImgPause"));
    ImgPause->setPixmap(UiPixmap(QStringLiteral("pause.png")));
    ImgPause->hide();

    sBitBtn5 = new TSkinButton(PanelTools, QStringLiteral("sBitBtn5"), QStringLiteral("توقف"));
    sBitBtn5->setIconSize(QSize(48, 48));
    sBitBtn5->setFont(DesignFont(QStringLiteral("B Nazanin"), 17, true));
    sBitBtn5->setFocusPolicy(Qt::NoFocus);
    Place(sBitBtn5, 1024 - 3 - 102, 3, 102, 51);
    connect(sBitBtn5, &QPushButton::clicked, this, &TFDisplay::sBitBtn5Click);

    sPanel1 = MakeExitHint(PanelTools, &LabelExit, &Image1);
    sPanel1->move(386, 3);

    ImageBall = new QLabel(this);
    ImageBall->setObjectName(QStringLiteral("ImageBall"));
    ImageBall->setScaledContents(true);
    ImageBall->setPixmap(UiPixmap(QStringLiteral("ball.png")));
    ImageBall->resize(64, 64);
    ImageBall->hide();

    ImgNoghteMarkazi = new QLabel(this);
    ImgNoghteMarkazi->setObjectName(QStringLiteral("ImgNoghteMarkazi"));
    ImgNoghteMarkazi->setPixmap(UiPixmap(QStringLiteral("fixation.png")));
    ImgNoghteMarkazi->resize(48, 48);
    ImgNoghteMarkazi->hide();

    LblNoghteMarkazi1 = new QLabel(QStringLiteral("123"), this);
    LblNoghteMarkazi1->setObjectName(QStringLiteral("LblNoghteMarkazi1"));
    LblNoghteMarkazi2 = new QLabel(QStringLiteral("123"), this);
    LblNoghteMarkazi2->setObjectName(QStringLiteral("LblNoghteMarkazi2"));
    for (QLabel *l : {LblNoghteMarkazi1, LblNoghteMarkazi2}) {
        l->setFont(DesignFont(QStringLiteral("B Nazanin"), 35, true));
        l->setStyleSheet(QStringLiteral("color: black;"));
        l->adjustSize();
        l->hide();
    }

    ImageTemp = new QLabel(this);
    ImageTemp->setObjectName(QStringLiteral("ImageTemp"));
    ImageTemp->resize(64, 64);
    ImageTemp->hide();

    LabelText = new QLabel(this);
    LabelText->setObjectName(QStringLiteral("LabelText"));
    LabelText->setFont(DesignFont(QStringLiteral("B Mitra"), 32, true));
    LabelText->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    LabelText->setAlignment(Qt::AlignCenter);
    LabelText->setWordWrap(false);
    LabelText->resize(1004, 46);
    LabelText->hide();

    MemoMaksChesm = new QPlainTextEdit(this);
    MemoMaksChesm->setObjectName(QStringLiteral("MemoMaksChesm"));
    MemoMaksChesm->hide();

    TimerBall = new TTimer(this, QStringLiteral("TimerBall"));
    TimerZaman = new TTimer(this, QStringLiteral("TimerZaman"), 1000);
    connect(TimerBall, &TTimer::Timer, this, &TFDisplay::TimerBallTimer);
    connect(TimerZaman, &TTimer::Timer, this, &TFDisplay::TimerZamanTimer);

    FormCreate();
}

void TFDisplay::FormCreate() {
    Randomize();
    Label1->setGeometry(GetAreaLeft(), GetAreaTop(), 1024, 768 - PanelTools->height());
    PanelTools->setGeometry(GetAreaLeft(), GetAreaTop() + 768 - PanelTools->height(), 1024,
                            PanelTools->height());
}

int TFDisplay::GetAreaLeft() const {
    const QScreen *s = QGuiApplication::primaryScreen();
    return AreaOrigin(s ? s->geometry().size() : QSize(1024, 768)).x();
}

int TFDisplay::GetAreaTop() const {
    const QScreen *s = QGuiApplication::primaryScreen();
    return AreaOrigin(s ? s->geometry().size() : QSize(1024, 768)).y();
}

int TFDisplay::ToolHeight() const {
    return PanelTools->height();
}

void TFDisplay::FormShow() {
    sPanel1->move(512 - sPanel1->width() / 2, sPanel1->y());
    UpdatePausePlayButton();
}

void TFDisplay::TimerOn(bool HasWPM, int WPM, int TimeSec) {
    LblWPN->setText(HasWPM ? QString::number(WPM) + QStringLiteral(" WPM") : QString());
    secTimer = 0;
    finishTime = TimeSec;
    TimerZaman->SetEnabled(true);
    UpdatePausePlayButton();
}

void TFDisplay::TimerOff() {
    TimerZaman->SetEnabled(false);
    UpdatePausePlayButton();
}

void TFDisplay::UpdatePausePlayButton() {
    if (TimerBall->Enabled()) {
        sBitBtn5->setText(QStringLiteral("توقف"));
        sBitBtn5->setIcon(QIcon(ImgPause->pixmap()));
    } else {
        sBitBtn5->setText(QStringLiteral("ادامه"));
        sBitBtn5->setIcon(QIcon(ImgPlay->pixmap()));
    }
}

void TFDisplay::sBitBtn5Click() {
    TimerBall->SetEnabled(!TimerBall->Enabled());
    TimerZaman->SetEnabled(!TimerZaman->Enabled());
    UpdatePausePlayButton();
}

TExercise *TFDisplay::ActiveExercise() const {
    switch (ExerciseKind) {
    case 0:
        return ActiveStar1;
    case 1:
        return ActiveStar2;
    case 2:
        return ActiveStar3;
    case 3:
        return ActiveStar4;
    case 4:
        return ActiveNoghteMarkazi;
    case 5:
        return ActiveHarkatAshia;
    case 6:
        return ActiveMaksCheshmi;
    case 7:
        return ActiveHoroofDarHarkat;
    case 8:
        return ActiveSatr12Kaleme;
    default:
        return nullptr;
    }
}

void TFDisplay::TimerZamanTimer() {
    ++secTimer;
    if (secTimer >= finishTime) {
        if (TExercise *ex = ActiveExercise()) {
            TimerOff();
            ex->Finished = true;
            ExerciseEnded();
        }
    }
    LblTime->setText(ClockText(secTimer));
}

void TFDisplay::TimerBallTimer() {
    UpdatePausePlayButton();
    if (TExercise *ex = ActiveExercise())
        ex->Tick();
}

void TFDisplay::ExerciseEnded() {
    if (waitLoop)
        waitLoop->quit();
}

void TFDisplay::BeforeCloseForm() {
    TimerOff();
    TimerBall->SetEnabled(false);
    LblTime->setText(QStringLiteral("00:00:00"));
    LblWPN->setText(QString());
    try {
        switch (ExerciseKind) {
        case 0:
            Release(ActiveStar1);
            break;
        case 1:
            Release(ActiveStar2);
            break;
        case 2:
            Release(ActiveStar3);
            break;
        case 3:
            Release(ActiveStar4);
            break;
        case 4:
            Release(ActiveNoghteMarkazi);
            break;
        case 5:
            Release(ActiveHarkatAshia);
            break;
        case 6:
            Release(ActiveMaksCheshmi);
            break;
        case 7:
            Release(ActiveHoroofDarHarkat);
            break;
        case 8:
            Release(ActiveSatr12Kaleme);
            break;
        default:
            break;
        }
    } catch (...) {
        LogError(QStringLiteral("surface close"), CurrentExceptionMessage());
    }
    if (waitLoop) {
        // The user left in the middle: the waiting entry operation ends.
        abandoned = true;
        waitLoop->quit();
    }
}

void TFDisplay::FormClose() {
    try {
        BeforeCloseForm();
        if (SenderForm) {
            if (auto *f = qobject_cast<TForm *>(SenderForm.data()))
                f->Show();
            else
                SenderForm->show();
        }
    } catch (...) {
        LogError(QStringLiteral("surface close"), CurrentExceptionMessage());
    }
}

void TFDisplay::FormKeyPress(QChar &key) {
    if (key == QChar(27)) {
        key = QChar();
        try {
            Close();
        } catch (...) {
            LogError(QStringLiteral("surface close"), CurrentExceptionMessage());
        }
    }
}

QString TFDisplay::GetRandomTextFilePath() {
    Randomize();
    return MediaPath(QStringLiteral("media\\text\\Text%1.txt").arg(1 + Random(28)));
}

QPixmap TFDisplay::Picture(int n) {
    auto it = pictures.constFind(n);
    if (it == pictures.constEnd() || (it->isNull() && !failedPictures.contains(n))) {
        const QString path = MediaPath(QStringLiteral("media\\pic64\\%1.png").arg(n));
        QPixmap pm(path);
        if (pm.isNull() && !failedPictures.contains(n)) {
            failedPictures.insert(n);
            LogError(QStringLiteral("picture"), QStringLiteral("cannot load ") + path);
        }
        it = pictures.insert(n, pm);
    }
    return *it;
}

void TFDisplay::PlayTick() {
    if (qEnvironmentVariableIsSet("TIZBIN_MUTE"))
        return;
    if (!tick) {
        tick = new QSoundEffect(this);
        tick->setSource(QUrl::fromLocalFile(MediaPath(QStringLiteral("media\\sound\\tik.wav"))));
    }
    if (tick->status() == QSoundEffect::Error)
        QApplication::beep();
    else
        tick->play();
}

bool TFDisplay::CanStart() const {
    return isVisible() && !busy;
}

template <class T, class Start> bool TFDisplay::Run(T *&active, Start start) {
    busy = true;
    abandoned = false;
    FWait->ShowModal();
    bool finished = false;
    if (active && isVisible()) {
        start(active);
        QEventLoop loop;
        waitLoop = &loop;
        if (!active->Finished && !abandoned)
            loop.exec();
        waitLoop = nullptr;
        finished = !abandoned && active && active->Finished;
    }
    if (active)
        Release(active);
    busy = false;
    return finished;
}

bool TFDisplay::LoadRandomText() {
    const QString path = GetRandomTextFilePath();
    try {
        MemoMaksChesm->setPlainText(ReadTextFile(path));
        return true;
    } catch (const std::exception &e) {
        const QString msg = QString::fromUtf8(e.what());
        LogError(QStringLiteral("exercise text"), msg);
        PersianMessageDlg(
            QStringLiteral(
                "متن تمرین خوانده نشد؛ تمرین اجرا نمی‌شود.") +
                u'\n' + msg,
            mbOK, TMsgDlgType::mtError);
        return false;
    }
}

template <class T> bool TFDisplay::StartStar(T *&active, int Count, int TickDelay, int TimeSec) {
    if (!CanStart())
        return false;
    active = new T();
    return Run(active, [&](T *e) { e->DoAct(Count, TickDelay, AtLeastOne(TimeSec)); });
}

bool TFDisplay::ShowStar1(int Count, int TickDelay, int TimeSec) {
    return StartStar(ActiveStar1, Count, TickDelay, TimeSec);
}

bool TFDisplay::ShowStar2(int Count, int TickDelay, int TimeSec) {
    return StartStar(ActiveStar2, Count, TickDelay, TimeSec);
}

bool TFDisplay::ShowStar3(int Count, int TickDelay, int TimeSec) {
    return StartStar(ActiveStar3, Count, TickDelay, TimeSec);
}

bool TFDisplay::ShowStar4(int Count, int TickDelay, int TimeSec) {
    return StartStar(ActiveStar4, Count, TickDelay, TimeSec);
}

bool TFDisplay::ShowNoghteMarkazi(int Kind, int Count, int TickDelay, int TimeSec) {
    if (!CanStart())
        return false;
    ActiveNoghteMarkazi = new TNoghteMarkazi(Kind);
    return Run(ActiveNoghteMarkazi,
               [&](TNoghteMarkazi *e) { e->DoAct(Count, TickDelay, AtLeastOne(TimeSec)); });
}

bool TFDisplay::ShowHarkatAshia(int LineCount, int Count, int PicPerSec_, int TimeSec) {
    if (!CanStart())
        return false;
    ActiveHarkatAshia = new THarkatAshia(LineCount);
    return Run(ActiveHarkatAshia, [&](THarkatAshia *e) {
        e->DoAct(Count, AtLeastOne(PicPerSec_), AtLeastOne(TimeSec));
    });
}

bool TFDisplay::ShowMaksCheshmi(int WPM, int WordCountDisplay_, int TimeSec) {
    if (!CanStart() || !LoadRandomText())
        return false;
    ActiveMaksCheshmi = new TMaksCheshmi(MemoMaksChesm);
    return Run(ActiveMaksCheshmi, [&](TMaksCheshmi *e) {
        e->DoAct(AtLeastOne(WPM), AtLeastOne(WordCountDisplay_), AtLeastOne(TimeSec));
    });
}

bool TFDisplay::ShowHoroofDarHarkat(int WPM, int TimeSec) {
    if (!CanStart() || !LoadRandomText())
        return false;
    ActiveHoroofDarHarkat = new THoroofDarHarkat(MemoMaksChesm);
    return Run(ActiveHoroofDarHarkat,
               [&](THoroofDarHarkat *e) { e->DoAct(AtLeastOne(WPM), AtLeastOne(TimeSec)); });
}

bool TFDisplay::ShowSatr12Kaleme(int WPM, int WordCountDisplay_, int LineCount_, int TimeSec) {
    if (!CanStart() || !LoadRandomText())
        return false;
    ActiveSatr12Kaleme = new TSatr12Kaleme(MemoMaksChesm);
    return Run(ActiveSatr12Kaleme, [&](TSatr12Kaleme *e) {
        e->DoAct(AtLeastOne(WPM), AtLeastOne(WordCountDisplay_), AtLeastOne(LineCount_),
                 AtLeastOne(TimeSec));
    });
}
