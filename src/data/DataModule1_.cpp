#include "DataModule1_.h"

#include "Schema.h"
#include "common/Paths.h"

TDataModule1 *DataModule1 = nullptr;

namespace {

TDbTable *MakeTable(TDataModule1 *owner, const QString &name) {
    auto *t = new TDbTable(&owner->ADOConnection1, name, SchemaTable(name).Fields, owner);
    t->setObjectName(QStringLiteral("ADOTable") +
                     (name == QStringLiteral("sodoko") ? QStringLiteral("Sodoko") : name));
    return t;
}

TDataSource *MakeSource(TDataModule1 *owner, TDataSet *ds, const QString &name) {
    auto *s = new TDataSource(ds, owner);
    s->setObjectName(name);
    return s;
}

} // namespace

TDataModule1::TDataModule1(QObject *parent) : QObject(parent) {
    setObjectName(QStringLiteral("DataModule1"));
    ADOTableUsers_ = MakeTable(this, QStringLiteral("Users_"));
    ADOTableSpeedRecord = MakeTable(this, QStringLiteral("SpeedRecord"));
    ADOTableDarkText = MakeTable(this, QStringLiteral("DarkText"));
    ADOTableDarkQues = MakeTable(this, QStringLiteral("DarkQues"));
    ADOTableDarkChart = MakeTable(this, QStringLiteral("DarkChart"));
    ADOTableSodoko = MakeTable(this, QStringLiteral("sodoko"));
    ADOTableEmla = MakeTable(this, QStringLiteral("Emla"));
    ADOTableLeitner = MakeTable(this, QStringLiteral("Leitner"));
    ADOTableDOC = MakeTable(this, QStringLiteral("DOC"));

    DataSourceUsers_ = MakeSource(this, ADOTableUsers_, QStringLiteral("DataSourceUsers_"));
    DataSourceSpeedRecord =
        MakeSource(this, ADOTableSpeedRecord, QStringLiteral("DataSourceSpeedRecord"));
    DataSourceDarkText = MakeSource(this, ADOTableDarkText, QStringLiteral("DataSourceDarkText"));
    DataSourceDarkQues = MakeSource(this, ADOTableDarkQues, QStringLiteral("DataSourceDarkQues"));
    DataSourceDarkChart =
        MakeSource(this, ADOTableDarkChart, QStringLiteral("DataSourceDarkChart"));
    DataSourceSodoko = MakeSource(this, ADOTableSodoko, QStringLiteral("DataSourceSodoko"));
    DataSourceEmla = MakeSource(this, ADOTableEmla, QStringLiteral("DataSourceEmla"));
    DataSourceLeitner = MakeSource(this, ADOTableLeitner, QStringLiteral("DataSourceLeitner"));
    DataSourceDOC = MakeSource(this, ADOTableDOC, QStringLiteral("DataSourceDOC"));

    ADOQueryLeitner = new TDbQuery(&ADOConnection1, this);
    ADOQueryLeitner->setObjectName(QStringLiteral("ADOQueryLeitner"));
    ADOQueryLeitnerRev = new TDbQuery(&ADOConnection1, this);
    ADOQueryLeitnerRev->setObjectName(QStringLiteral("ADOQueryLeitnerRev"));
    DataSourceQueryLeitner =
        MakeSource(this, ADOQueryLeitner, QStringLiteral("DataSourceQueryLeitner"));
    DataSourceQueryLeitnerRev =
        MakeSource(this, ADOQueryLeitnerRev, QStringLiteral("DataSourceQueryLeitnerRev"));

    ADOTableSpeedRecord->SetMaster(DataSourceUsers_, QStringLiteral("ID"), QStringLiteral("ID"));
    ADOTableDarkQues->SetMaster(DataSourceDarkText, QStringLiteral("ID"), QStringLiteral("ID"));
    ADOTableDarkChart->SetMaster(DataSourceUsers_, QStringLiteral("ID"), QStringLiteral("ID"));
}

TDataModule1::~TDataModule1() {
    Disconnect();
}

QVector<TDbTable *> TDataModule1::Tables() const {
    return {ADOTableUsers_,   ADOTableSpeedRecord, ADOTableDarkText,
            ADOTableDarkQues, ADOTableDarkChart,   ADOTableSodoko,
            ADOTableEmla,     ADOTableLeitner,     ADOTableDOC};
}

QString DatabaseFilePath(const QString &appPath) {
    return ResolvePath(appPath, QStringLiteral("Media\\Acc.bnk"));
}

void TDataModule1::Connect(const QString &appPath) {
    Disconnect();
    ADOConnection1.ConnectionString = DatabaseConnectionString(DatabaseFilePath(appPath));
    try {
        ADOConnection1.Open();
        UpgradeSchema(ADOConnection1);
        for (TDbTable *t : Tables())
            t->Open();
    } catch (...) {
        Disconnect();
        throw;
    }
}

void TDataModule1::Disconnect() {
    ADOQueryLeitner->Close();
    ADOQueryLeitnerRev->Close();
    for (TDbTable *t : Tables())
        t->Close();
    ADOConnection1.Close();
}
