#pragma once
// The data module: the one connection, a table per table of the file, a data
// source per table for bound widgets and detail links, and the two queries of
// the Leitner box.

#include "Connection.h"
#include "DataSet.h"

#include <QObject>
#include <QString>

class TDataModule1 : public QObject {
    Q_OBJECT
public:
    explicit TDataModule1(QObject *parent = nullptr);
    ~TDataModule1() override;

    TDbConnection ADOConnection1;

    TDbTable *ADOTableUsers_;
    TDbTable *ADOTableSpeedRecord;
    TDbTable *ADOTableDarkText;
    TDbTable *ADOTableDarkQues;
    TDbTable *ADOTableDarkChart;
    TDbTable *ADOTableSodoko;
    TDbTable *ADOTableEmla;
    TDbTable *ADOTableLeitner;
    TDbTable *ADOTableDOC;

    TDataSource *DataSourceUsers_;
    TDataSource *DataSourceSpeedRecord;
    TDataSource *DataSourceDarkText;
    TDataSource *DataSourceDarkQues;
    TDataSource *DataSourceDarkChart;
    TDataSource *DataSourceSodoko;
    TDataSource *DataSourceEmla;
    TDataSource *DataSourceLeitner;
    TDataSource *DataSourceDOC;

    TDbQuery *ADOQueryLeitner;
    TDbQuery *ADOQueryLeitnerRev;
    TDataSource *DataSourceQueryLeitner;
    TDataSource *DataSourceQueryLeitnerRev;

    // The tables in the order they are opened.
    QVector<TDbTable *> Tables() const;

    // Connects to the database file below appPath (ending in a separator),
    // brings its schema up to date and opens every table. Raises
    // EDatabaseError; on failure nothing is left open.
    void Connect(const QString &appPath);
    void Disconnect();
};

extern TDataModule1 *DataModule1;

// The database file below the program folder, found whatever the case of its
// folder name on this file system.
QString DatabaseFilePath(const QString &appPath);
