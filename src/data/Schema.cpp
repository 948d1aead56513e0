#include "Schema.h"

#include "Connection.h"

#include <QStringList>

#include <functional>

namespace {

using FT = TFieldType;

TFieldDef Text(const char *name, int size) {
    return {QString::fromLatin1(name), FT::String, size};
}
TFieldDef Col(const char *name, FT type) {
    return {QString::fromLatin1(name), type, 0};
}

QString ColumnSql(const TFieldDef &f) {
    const QString name = u'"' + f.Name + u'"';
    switch (f.Type) {
    case FT::AutoInc:
        return name + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    case FT::Integer:
        return name + QStringLiteral(" INTEGER");
    case FT::SmallInt:
        return name + QStringLiteral(" SMALLINT");
    case FT::String:
        return name + QStringLiteral(" VARCHAR(%1)").arg(f.Size);
    case FT::Memo:
        return name + QStringLiteral(" TEXT");
    case FT::Boolean:
        // No TRUE/FALSE keywords in this SQLite; a yes/no column is 0 or 1.
        return name + QStringLiteral(" BOOLEAN NOT NULL DEFAULT 0");
    case FT::Blob:
        return name + QStringLiteral(" BLOB");
    }
    return name;
}

QString CreateTableSql(const TTableDef &t) {
    QStringList cols;
    for (const TFieldDef &f : t.Fields)
        cols << ColumnSql(f);
    return QStringLiteral("CREATE TABLE IF NOT EXISTS \"%1\" (%2)")
        .arg(t.Name, cols.join(QStringLiteral(", ")));
}

// Step 1: the nine tables and the indexes the detail links read by.
void CreateVersion1(TDbConnection &c) {
    for (const TTableDef &t : SchemaTables())
        c.Exec(CreateTableSql(t));
    c.Exec(QStringLiteral("CREATE INDEX IF NOT EXISTS SpeedRecord_ID ON SpeedRecord(ID)"));
    c.Exec(QStringLiteral("CREATE INDEX IF NOT EXISTS DarkQues_ID ON DarkQues(ID)"));
    c.Exec(QStringLiteral("CREATE INDEX IF NOT EXISTS DarkChart_ID ON DarkChart(ID)"));
}

const QVector<std::function<void(TDbConnection &)>> &UpgradeSteps() {
    static const QVector<std::function<void(TDbConnection &)>> steps{CreateVersion1};
    return steps;
}

} // namespace

const QVector<TTableDef> &SchemaTables() {
    static const QVector<TTableDef> tables{
        {QStringLiteral("Users_"),
         {Col("ID", FT::AutoInc), Text("UserName", 255), Col("Step_", FT::Integer)}},
        {QStringLiteral("SpeedRecord"),
         {Col("ID", FT::Integer), Col("Key", FT::AutoInc), Text("Date_", 255),
          Col("Speed", FT::Integer), Col("IsTestFlag", FT::Boolean)}},
        {QStringLiteral("DarkText"), {Col("ID", FT::AutoInc), Col("Text_", FT::Memo)}},
        {QStringLiteral("DarkQues"),
         {Col("ID", FT::Integer), Col("IdxQues", FT::Integer), Text("Ques", 255),
          Text("Choice1", 255), Text("Choice2", 255), Text("Choice3", 255), Text("Choice4", 255),
          Col("Answer", FT::Integer)}},
        {QStringLiteral("DarkChart"),
         {Col("ID", FT::Integer), Col("Key", FT::AutoInc), Text("Date_", 255),
          Col("CorrectCount", FT::Integer), Col("Speed", FT::Integer)}},
        {QStringLiteral("sodoko"), {Col("ID", FT::AutoInc), Text("Sodoko", 81), Text("Solve", 81)}},
        {QStringLiteral("Emla"), {Col("ID", FT::AutoInc), Text("Sahih", 255), Text("Qalat", 255)}},
        {QStringLiteral("Leitner"),
         {Col("ID", FT::AutoInc), Text("Ques", 255), Text("Answer", 255),
          Col("Level", FT::SmallInt), Col("RevNed", FT::Boolean)}},
        {QStringLiteral("DOC"), {Col("ID", FT::AutoInc), Text("Name", 100), Col("File", FT::Blob)}},
    };
    return tables;
}

const TTableDef &SchemaTable(const QString &name) {
    for (const TTableDef &t : SchemaTables())
        if (t.Name == name)
            return t;
    throw EDatabaseError(QStringLiteral("جدول «%1» شناخته نیست.").arg(name));
}

int SchemaVersion() {
    return int(UpgradeSteps().size());
}

void UpgradeSchema(TDbConnection &connection) {
    const int have = connection.UserVersion();
    if (have > SchemaVersion())
        throw EDatabaseError(
            QStringLiteral(
                "این بانک اطلاعاتی را نسخهٔ تازه‌تری از "
                "برنامه "
                "نوشته "
                "است (نسخهٔ %1)؛ "
                "لطفاً برنامه را به‌روز کنید.")
                .arg(have));
    for (int v = have + 1; v <= SchemaVersion(); ++v) {
        connection.Transaction([&] {
            UpgradeSteps()[v - 1](connection);
            connection.Exec(QStringLiteral("PRAGMA user_version = %1").arg(v));
        });
    }
}

QString DatabaseKey() {
    return QStringLiteral("630915");
}

QString DatabaseConnectionString(const QString &fileName) {
    return QStringLiteral("Data Source=") + fileName + QStringLiteral(";Key=") + DatabaseKey();
}
