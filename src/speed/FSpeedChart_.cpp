#include "FSpeedChart_.h"

#include "common/ErrorLog.h"
#include "common/PersianMessageDlg.h"
#include "common/Theme.h"
#include "data/DataModule1_.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QValueAxis>

TFSpeedChart *FSpeedChart = nullptr;

namespace {
const char *const kFields[] = {"Date_", "Speed", "IsTestFlag"};
}

TSpeedGridModel::TSpeedGridModel(TDataSet *dataSet, QObject *parent)
    : QAbstractTableModel(parent), ds(dataSet) {
    connect(ds, &TDataSet::DataChanged, this, &TSpeedGridModel::Reload);
}

void TSpeedGridModel::Reload() {
    beginResetModel();
    endResetModel();
}

int TSpeedGridModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ds->RecordCount();
}

int TSpeedGridModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant TSpeedGridModel::data(const QModelIndex &index, int role) const {
    const QVariant v =
        ds->ValueAt(index.row(), ds->FieldIndex(QString::fromLatin1(kFields[index.column()])));
    if (index.column() == 2) {
        const bool test = v.toLongLong() != 0;
        if (role == Qt::DisplayRole)
            return test ? QStringLiteral("می باشد") : QStringLiteral("نمی باشد");
        if (role == Qt::BackgroundRole)
            return QColor(test ? Qt::yellow : Qt::white);
    }
    if (role == Qt::DisplayRole)
        return v;
    return {};
}

QVariant TSpeedGridModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QString titles[] = {
        QStringLiteral("تاریخ"), QStringLiteral("سرعت (کلمه در دقیقه)"), QStringLiteral("تست ")};
    return titles[section];
}

TFSpeedChart::TFSpeedChart(QWidget *parent) : TForm(parent) {
    setObjectName(QStringLiteral("FSpeedChart"));
    setWindowTitle(QStringLiteral("نمودار سرعت مطالعه"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(773, 425);
    setFont(DesignFontPt(QStringLiteral("Tahoma"), 8));

    sLabelFX5 = new TGlowLabel(this, QStringLiteral("sLabelFX5"));
    sLabelFX5->setText(QStringLiteral("نام کاربر : "));
    sLabelFX5->setFont(DesignFont(QStringLiteral("B Nazanin"), 19, true));
    Place(sLabelFX5, 773 - 8 - 100, 6, 100, 32);
    sDBTextFX1 = new TGlowLabel(this, QStringLiteral("sDBTextFX1"));
    sDBTextFX1->setFont(DesignFont(QStringLiteral("B Nazanin"), 19, true));
    sDBTextFX1->SetGlow(QColor(255, 255, 121), 2);
    Place(sDBTextFX1, 773 - 8 - 100 - 236, 6, 236, 32);

    upper = new QLineSeries(this);
    Series1 = new QAreaSeries(upper);
    Series1->setObjectName(QStringLiteral("Series1"));
    Series1->setPointLabelsVisible(false);
    auto *chart = new QChart();
    chart->setTitle(QStringLiteral("نمودار سرعت مطالعه"));
    chart->setTitleFont(DesignFont(QStringLiteral("Tahoma"), 13));
    chart->legend()->hide();
    chart->addSeries(Series1);
    DBChart1 = new QChartView(chart, this);
    DBChart1->setObjectName(QStringLiteral("DBChart1"));
    DBChart1->setRenderHint(QPainter::Antialiasing);
    DBChart1->setLayoutDirection(Qt::LeftToRight);
    Place(DBChart1, 8, 4, 393, 345);

    sDBGrid1 = new QTableView(this);
    sDBGrid1->setObjectName(QStringLiteral("sDBGrid1"));
    model = new TSpeedGridModel(DataModule1->ADOTableSpeedRecord, this);
    sDBGrid1->setModel(model);
    sDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sDBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    sDBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    sDBGrid1->setFont(DesignFont(QStringLiteral("Tahoma"), 13));
    sDBGrid1->setStyleSheet(QStringLiteral("QTableView { background: rgb(232, 255, 255); }"));
    sDBGrid1->setColumnWidth(0, 120);
    sDBGrid1->setColumnWidth(1, 120);
    sDBGrid1->setColumnWidth(2, 91);
    sDBGrid1->verticalHeader()->hide();
    Place(sDBGrid1, 773 - 8 - 358, 44, 358, 305);
    // The selected row is the current row of the table.
    connect(sDBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [](const QModelIndex &i) {
                TDbTable *t = DataModule1->ADOTableSpeedRecord;
                if (i.isValid() && i.row() + 1 != t->RecNo() && i.row() < t->RecordCount())
                    t->SetRecNo(i.row() + 1);
            });

    sBitBtn1 = new TSkinButton(this, QStringLiteral("sBitBtn1"), QStringLiteral("حذف امتیاز"));
    sBitBtn6 = new TSkinButton(this, QStringLiteral("sBitBtn6"), QStringLiteral("خروج"));
    for (QPushButton *b : {sBitBtn1, sBitBtn6}) {
        b->setFont(DesignFont(QStringLiteral("B Nazanin"), 19, true));
        b->setFocusPolicy(Qt::NoFocus);
    }
    Place(sBitBtn1, 773 - 8 - 127, 425 - 8 - 65, 127, 65);
    Place(sBitBtn6, 8, 425 - 8 - 65, 121, 65);
    connect(sBitBtn1, &QPushButton::clicked, this, &TFSpeedChart::sBitBtn1Click);
    connect(sBitBtn6, &QPushButton::clicked, this, &TForm::Close);

    CentreOnScreen();
}

void TFSpeedChart::FormShow() {
    sDBTextFX1->setText(
        DataModule1->ADOTableUsers_->FieldByName(QStringLiteral("UserName")).AsString());
    model->Reload();
    Bind();
}

void TFSpeedChart::Bind() {
    TDataSet *t = DataModule1->ADOTableSpeedRecord;
    const int speed = t->FieldIndex(QStringLiteral("Speed"));
    const int date = t->FieldIndex(QStringLiteral("Date_"));
    QList<QPointF> points;
    labels.clear();
    int top = 0;
    for (int i = 0; i < t->RecordCount(); ++i) {
        points << QPointF(i, t->ValueAt(i, speed).toDouble());
        labels << t->ValueAt(i, date).toString();
        top = std::max(top, t->ValueAt(i, speed).toInt());
    }
    upper->replace(points);
    QChart *chart = DBChart1->chart();
    for (QAbstractAxis *a : chart->axes())
        chart->removeAxis(a);
    auto *x = new QCategoryAxis();
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    QFont small = DesignFont(QStringLiteral("Tahoma"), 9);
    x->setLabelsFont(small);
    x->setTruncateLabels(false);
    x->setLabelsAngle(labels.size() > 6 ? -90 : 0);
    // Labels of one axis must differ; the same date twice gets invisible marks.
    for (int i = 0; i < labels.size(); ++i)
        x->append(labels[i] + QString(i, QChar(0x200B)), i);
    x->setRange(0, std::max<int>(1, int(labels.size()) - 1));
    auto *y = new QValueAxis();
    y->setRange(0, std::max(100, top + top / 10));
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    Series1->attachAxis(x);
    Series1->attachAxis(y);
}

QList<QPointF> TFSpeedChart::ChartPoints() const {
    return upper->points();
}

void TFSpeedChart::sBitBtn1Click() {
    TDbTable *t = DataModule1->ADOTableSpeedRecord;
    if (t->IsEmpty())
        return;
    const QModelIndex sel = sDBGrid1->currentIndex();
    if (sel.isValid() && sel.row() < t->RecordCount())
        t->SetRecNo(sel.row() + 1);
    try {
        t->Delete();
    } catch (const EDatabaseError &e) {
        LogError(QStringLiteral("delete speed"), e.Message);
        PersianMessageDlg(QStringLiteral("نتیجه حذف نشد.") + u'\n' + e.Message, mbOK,
                          TMsgDlgType::mtError);
    }
    Bind();
}
