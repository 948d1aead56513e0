#pragma once
// The reading speed history of the current user: a grid of the results, an
// area chart of the speeds in stored order, and deletion of a result.

#include "common/Form.h"

#include <QAbstractTableModel>
#include <QList>
#include <QPointF>

class QAreaSeries;
class QChart;
class QChartView;
class QLineSeries;
class QPushButton;
class QTableView;
class TDataSet;
class TGlowLabel;

// The grid's rows: the visible rows of a dataset, three columns.
class TSpeedGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TSpeedGridModel(TDataSet *dataSet, QObject *parent = nullptr);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    void Reload();

private:
    TDataSet *ds;
};

class TFSpeedChart : public TForm {
    Q_OBJECT
public:
    explicit TFSpeedChart(QWidget *parent = nullptr);
    QChartView *DBChart1;
    QAreaSeries *Series1;
    QTableView *sDBGrid1;
    TGlowLabel *sLabelFX5;
    TGlowLabel *sDBTextFX1;
    QPushButton *sBitBtn6;
    QPushButton *sBitBtn1;

    // The chart's points and their date labels, in row order.
    QList<QPointF> ChartPoints() const;
    QStringList ChartLabels() const { return labels; }

    void sBitBtn1Click();
    void Bind();

protected:
    void FormShow() override;

private:
    TSpeedGridModel *model;
    QLineSeries *upper;
    QStringList labels;
};

extern TFSpeedChart *FSpeedChart;
