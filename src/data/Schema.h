#pragma once
// The tables of the training database, their columns, and the numbered
// upgrade steps that bring an older file to the current version.

#include "DataSet.h"

#include <QString>
#include <QVector>

class TDbConnection;

struct TTableDef {
    QString Name;
    QVector<TFieldDef> Fields;
};

// Every table, in the order they are opened.
const QVector<TTableDef> &SchemaTables();
const TTableDef &SchemaTable(const QString &name);

// The version this program writes into PRAGMA user_version.
int SchemaVersion();

// Applies the missing upgrade steps, each in its own transaction. Raises
// EDatabaseError for a file written by a newer program.
void UpgradeSchema(TDbConnection &connection);

// The fixed key of the delivered database; the user never types it.
QString DatabaseKey();
// "Data Source=<file>;Key=<key>" for the given database file.
QString DatabaseConnectionString(const QString &fileName);
