// Draws the program's windows into PNG files for the README:
//
//   tizbin-screenshots OUT_DIR
//
// Run it on a real (virtual) display, as tools/screenshots.sh does, so that
// the windows are laid out and drawn exactly as a user sees them. It works
// on a data folder of its own in a temporary directory.

#include "app/Application.h"
#include "app/FContactUs_.h"
#include "app/FLogin_.h"
#include "app/FMain_.h"
#include "app/Forms.h"
#include "app/UAbout.h"
#include "common/Paths.h"
#include "common/PersianKeyboard.h"
#include "common/PersianMessageDlg.h"
#include "common/Theme.h"
#include "common/Timer.h"
#include "course/FKaheshMaksCheshmiMain_.h"
#include "course/FSteps_.h"
#include "course/FTaghviatDidMain_.h"
#include "course/FTaghviatDid_.h"
#include "data/DataModule1_.h"
#include "display/FDisplay_.h"
#include "display/FWait_.h"
#include "speed/FSpeedChart_.h"
#include "speed/FSpeedTest_.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

QString outDir;

void Save(QWidget *w, const QString &name) {
    QCoreApplication::processEvents();
    const QString file = outDir + u'/' + name + QStringLiteral(".png");
    if (!w->grab().save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    else
        std::printf("%s\n", qPrintable(file));
}

// Grabs the modal window that the next call opens, then presses its button.
void GrabNextModal(const QString &name, const QString &button) {
    QTimer::singleShot(300, [=] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w)
            return;
        Save(w, name);
        if (auto *b = w->findChild<QAbstractButton *>(button))
            b->click();
        else
            w->close();
    });
}

void AddUsers(const QStringList &names) {
    TDbTable *u = DataModule1->ADOTableUsers_;
    for (const QString &n : names) {
        u->Append();
        u->FieldByName(QStringLiteral("UserName")).SetValue(n);
        u->Post();
    }
}

// Answers the instruction screens and, inside each exercise, runs the next
// step of script (ticks, then a picture of the surface, then the end).
class SurfacePilot : public QObject {
public:
    QVector<std::function<void()>> Steps;
    QString InstructionShot; // taken of the instruction screen of step InstructionStep
    int InstructionStep = -1;
    SurfacePilot() {
        connect(&timer, &QTimer::timeout, this, [this] {
            if (FWait->isVisible() && QApplication::activeModalWidget() == FWait) {
                if (next == InstructionStep && !InstructionShot.isEmpty())
                    Save(FWait, InstructionShot);
                driven = false;
                FWait->Timer1Timer();
                FWait->Timer1Timer();
                FWait->SetModalResult(mrOk);
            } else if (FDisplay->Waiting() && !driven && next < Steps.size()) {
                driven = true;
                Steps[next++]();
                FDisplay->TimerZamanTimer();
                while (FDisplay->Waiting() && FDisplay->SecTimer() < FDisplay->FinishTime())
                    FDisplay->TimerZamanTimer();
            }
        });
        timer.start(20);
    }

private:
    QTimer timer;
    int next = 0;
    bool driven = false;
};

void Ticks(int n) {
    for (int i = 0; i < n; ++i)
        FDisplay->TimerBallTimer();
}

void SurfaceShots() {
    TTimer::ManualTicks = true;
    SurfacePilot pilot;
    pilot.InstructionStep = 2;
    pilot.InstructionShot = QStringLiteral("instruction");
    pilot.Steps = {
        [] {
            Ticks(4);
            Save(FDisplay, QStringLiteral("surface-star"));
        },
        [] {
            Ticks(5);
            Save(FDisplay, QStringLiteral("surface-central-point"));
        },
        [] {
            Ticks(16);
            Save(FDisplay, QStringLiteral("surface-pictures"));
        },
        [] {
            Ticks(9);
            Save(FDisplay, QStringLiteral("surface-moving-letters"));
        },
    };
    FDisplay->SenderForm = FMain;
    FDisplay->Show();
    FDisplay->ShowStar1(1000, 600, 50) && FDisplay->ShowNoghteMarkazi(1, 1000, 500, 50) &&
        FDisplay->ShowHarkatAshia(3, 1000, 20, 60) && FDisplay->ShowHoroofDarHarkat(400, 60);
    FDisplay->Close();
}

} // namespace

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tizbin-screenshots OUT_DIR\n");
        return 2;
    }
    outDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(outDir);
    QApplication::setLayoutDirection(Qt::RightToLeft);
    QApplication::setQuitOnLastWindowClosed(false);
    qputenv("TIZBIN_MUTE", "1");
    TPersianKeyboard::Install();

    QTemporaryDir data;
    const int rc = QProcess::execute(QStringLiteral(TIZBIN_MKDATA),
                                     {QStringLiteral(TIZBIN_CONTENT_DIR), data.path()});
    if (rc != 0)
        return 1;
    InitAppPath(data.path());
    ApplyTheme(app);
    DataModule1 = new TDataModule1(&app);
    CreateForms();
    FLogin = new TFLogin();
    AddUsers({QStringLiteral("مریم رضایی"), QStringLiteral("علی محمدی"), QStringLiteral("سارا")});

    const std::function<void()> shots[] = {
        [] {
            FLogin->Show();
            FLogin->GetUserList();
            FLogin->sComboBox1->SetItemIndex(1);
            Save(FLogin, QStringLiteral("login"));
            GrabNextModal(QStringLiteral("confirm"), QStringLiteral("No"));
            FLogin->sComboBox1->SetText(QStringLiteral("نیلوفر"));
            FLogin->sBitBtnExitClick();
            FLogin->hide();
        },
        [] {
            FMain->Show();
            Save(FMain, QStringLiteral("main-menu"));
        },
        [] {
            FMain->sSpeedButton2Click();
            Save(AboutForm, QStringLiteral("about"));
            AboutForm->Close();
        },
        [] {
            FMain->sSpeedButton1Click();
            Save(FContactUs, QStringLiteral("contact"));
            FContactUs->Close();
        },
        [] {
            FMain->sBitBtn6Click();
            Save(FTaghviatDidMain, QStringLiteral("vision-menu"));
            FTaghviatDidMain->sBitBtnExitClick();
            Save(FTaghviatDid, QStringLiteral("vision-levels"));
            FTaghviatDid->Close();
            FTaghviatDidMain->Close();
        },
        SurfaceShots,
        [] {
            TTimer::ManualTicks = true;
            FSpeedTest->Show();
            FSpeedTest->Space();
            for (int i = 0; i < 37; ++i)
                FSpeedTest->Timer1Timer();
            Save(FSpeedTest, QStringLiteral("speed-test"));
            FSpeedTest->Space();
            FSpeedTest->Close();
        },
        [] {
            TDbTable *s = DataModule1->ADOTableSpeedRecord;
            const struct {
                const char *Date;
                int Speed;
                bool Test;
            } rows[] = {{"05/09/01", 190, true},
                        {"05/09/03", 240, false},
                        {"05/09/06", 275, true},
                        {"05/09/10", 330, false},
                        {"05/09/14", 360, true}};
            for (const auto &r : rows) {
                s->Append();
                s->FieldByName(QStringLiteral("Date_")).SetValue(QString::fromLatin1(r.Date));
                s->FieldByName(QStringLiteral("Speed")).SetValue(r.Speed);
                s->FieldByName(QStringLiteral("IsTestFlag")).SetValue(r.Test);
                s->Post();
            }
            FSpeedChart->Show();
            Save(FSpeedChart, QStringLiteral("speed-history"));
            FSpeedChart->Close();
        },
        [] {
            TDbTable *u = DataModule1->ADOTableUsers_;
            u->Edit();
            u->FieldByName(QStringLiteral("Step_")).SetValue(4);
            u->Post();
            FSteps->Show();
            Save(FSteps, QStringLiteral("course"));
            FSteps->Close();
        },
        [] {
            PracticeKind = 7;
            FKaheshMaksCheshmiMain->Show();
            Save(FKaheshMaksCheshmiMain, QStringLiteral("practice-settings"));
            FKaheshMaksCheshmiMain->Close();
        },
    };
    QTimer::singleShot(200, [&] {
        for (const auto &shot : shots)
            shot();
        QCoreApplication::quit();
    });
    return app.exec();
}
