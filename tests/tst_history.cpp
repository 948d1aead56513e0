// The reading speed history: grid, chart and deletion, one user's rows only.

#include "TestSupport.h"
#include "common/Paths.h"
#include "common/Theme.h"
#include "data/DataModule1_.h"
#include "speed/FSpeedChart_.h"

#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

void AddUser(const QString &name) {
    TDbTable *u = DataModule1->ADOTableUsers_;
    u->Append();
    u->FieldByName(QStringLiteral("UserName")).SetValue(name);
    u->Post();
}

void AddSpeed(const QString &date, int speed, bool test) {
    TDbTable *s = DataModule1->ADOTableSpeedRecord;
    s->Append();
    s->FieldByName(QStringLiteral("Date_")).SetValue(date);
    s->FieldByName(QStringLiteral("Speed")).SetValue(speed);
    s->FieldByName(QStringLiteral("IsTestFlag")).SetValue(test);
    s->Post();
}

QString Cell(int row, int col, int role = Qt::DisplayRole) {
    const QVariant v = FSpeedChart->sDBGrid1->model()->index(row, col).data(role);
    return role == Qt::BackgroundRole ? v.value<QColor>().name() : v.toString();
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void showsOneUsersRows();
    void deleteSelectedRow();
    void emptyHistory();

private:
    QTemporaryDir dir;
};

void TestHistory::initTestCase() {
    InitTestEnvironment();
    InitAppPath(MakeDataFolder(dir));
    DataModule1 = new TDataModule1();
    DataModule1->Connect(AppPath);
    AddUser(QStringLiteral("دیگری"));
    AddSpeed(QStringLiteral("05/01/02"), 999, true);
    AddUser(QStringLiteral("مینا"));
    AddSpeed(QStringLiteral("05/09/18"), 210, true);
    AddSpeed(QStringLiteral("05/09/18"), 260, false);
    AddSpeed(QStringLiteral("05/09/20"), 305, true);
    AddUser(QStringLiteral("تازه"));
    DataModule1->ADOTableUsers_->SetRecNo(2);
    FSpeedChart = new TFSpeedChart();
}

void TestHistory::showsOneUsersRows() {
    WhenModal([](QWidget *w) {
        QTest::keyClick(w, Qt::Key_Escape); // Esc does nothing here
        QVERIFY(w->isVisible());
        QTest::mouseClick(FSpeedChart->sBitBtn6, Qt::LeftButton);
    });
    FSpeedChart->ShowModal();
    QCOMPARE(FSpeedChart->sDBTextFX1->text(), QStringLiteral("مینا"));
    QTableView *grid = FSpeedChart->sDBGrid1;
    QCOMPARE(grid->model()->rowCount(), 3);
    QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("تاریخ"));
    QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("سرعت (کلمه در دقیقه)"));
    QCOMPARE(grid->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("تست "));
    QCOMPARE(Cell(0, 0), QStringLiteral("05/09/18"));
    QCOMPARE(Cell(1, 1), QStringLiteral("260"));
    QCOMPARE(Cell(0, 2), QStringLiteral("می باشد"));
    QCOMPARE(Cell(0, 2, Qt::BackgroundRole), QColor(Qt::yellow).name());
    QCOMPARE(Cell(1, 2), QStringLiteral("نمی باشد"));
    QCOMPARE(Cell(1, 2, Qt::BackgroundRole), QColor(Qt::white).name());
    QCOMPARE(grid->columnWidth(0), 120);
    QCOMPARE(grid->columnWidth(2), 91);
    QCOMPARE(FSpeedChart->ChartPoints(),
             (QList<QPointF>{QPointF(0, 210), QPointF(1, 260), QPointF(2, 305)}));
    QCOMPARE(FSpeedChart->ChartLabels(), (QStringList{"05/09/18", "05/09/18", "05/09/20"}));
}

void TestHistory::deleteSelectedRow() {
    WhenModal([](QWidget *) {
        FSpeedChart->sDBGrid1->selectRow(1);
        FSpeedChart->sDBGrid1->setCurrentIndex(FSpeedChart->sDBGrid1->model()->index(1, 0));
        QTest::mouseClick(FSpeedChart->sBitBtn1, Qt::LeftButton);
        FSpeedChart->Close();
    });
    FSpeedChart->ShowModal();
    QCOMPARE(FSpeedChart->ChartPoints(), (QList<QPointF>{QPointF(0, 210), QPointF(1, 305)}));
    QCOMPARE(FSpeedChart->sDBGrid1->model()->rowCount(), 2);
    // For good, and only this user's row.
    TDbStatement st(DataModule1->ADOConnection1,
                    QStringLiteral("SELECT group_concat(Speed) FROM SpeedRecord ORDER BY Key"));
    QVERIFY(st.Step());
    QCOMPARE(st.Column(0).toString(), QStringLiteral("999,210,305"));
}

void TestHistory::emptyHistory() {
    DataModule1->ADOTableUsers_->SetRecNo(3);
    WhenModal([](QWidget *) {
        QTest::mouseClick(FSpeedChart->sBitBtn1, Qt::LeftButton); // nothing to delete
        FSpeedChart->Close();
    });
    FSpeedChart->ShowModal();
    QCOMPARE(FSpeedChart->sDBGrid1->model()->rowCount(), 0);
    QVERIFY(FSpeedChart->ChartPoints().isEmpty());
    QCOMPARE(FSpeedChart->sDBTextFX1->text(), QStringLiteral("تازه"));
    DataModule1->ADOTableUsers_->SetRecNo(2);
    QCOMPARE(DataModule1->ADOTableSpeedRecord->RecordCount(), 2);
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
